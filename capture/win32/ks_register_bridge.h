#pragma once
// The camera's extension-unit bridge reached through the capture filter's IKsControl: one
// node property whose 4 data bytes are a 16-bit bridge address and a 16-bit value.
#include <windows.h>
// windows.h first; IKsControl is declared only once IUnknown is known
#include <unknwn.h>
// then the kernel-streaming headers
#include <ks.h>
#include <ksproxy.h>

#include "capture/register_bridge.h"
#include "capture/win32/com_ptr.h"

namespace halvertone {

// The vendor's property set {28F03370-6311-4A2E-BA2C-6890EB334016}, property 1, node 1.
inline constexpr GUID kBridgePropertySet = {
    0x28F03370, 0x6311, 0x4A2E, {0xBA, 0x2C, 0x68, 0x90, 0xEB, 0x33, 0x40, 0x16}};
inline constexpr ULONG kBridgePropertyId = 1;
inline constexpr ULONG kBridgeNodeId = 1;

#pragma pack(push, 1)
struct BridgeData {
    uint16_t address;
    uint16_t value;
};
#pragma pack(pop)
static_assert(sizeof(BridgeData) == 4);

class KsRegisterBridge final : public RegisterBridge {
  public:
    // `filter` may be null or lack IKsControl: every step then fails quietly.
    explicit KsRegisterBridge(IUnknown* filter);

    bool Available() const { return ks_ != nullptr; }
    bool Write(uint16_t address, uint8_t value) override;
    // Asks for the byte by writing (address, 0xFF00), then reads the data back.
    std::optional<uint8_t> Read(uint16_t address) override;

  private:
    bool Property(ULONG flags, BridgeData& data);

    ComPtr<IKsControl> ks_;
};

}  // namespace halvertone
