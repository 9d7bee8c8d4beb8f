// The extension-unit bridge over IKsControl, against a camera stand-in that implements the
// bridge's register file and checks every property request it receives.
#include <windows.h>
// windows.h first
#include <unknwn.h>
// then the kernel-streaming headers
#include <gtest/gtest.h>
#include <ks.h>
#include <ksproxy.h>

#include <map>
#include <vector>

#include "capture/camera_image_turn.h"
#include "capture/win32/ks_register_bridge.h"

namespace halvertone {
namespace {

class FakeCameraUnit final : public IKsControl {
  public:
    std::map<uint16_t, uint8_t> registers;
    std::vector<ULONG> flags;
    int badRequests = 0;
    LONG refs = 1;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IKsControl)) {
            *out = static_cast<IKsControl*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++refs); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--refs); }

    STDMETHODIMP KsProperty(PKSPROPERTY property, ULONG propertyLength, LPVOID data,
                            ULONG dataLength, ULONG* returned) override {
        const auto* node = reinterpret_cast<const KSP_NODE*>(property);
        if (propertyLength != sizeof(KSP_NODE) || dataLength != 4 ||
            !IsEqualGUID(node->Property.Set, kBridgePropertySet) || node->Property.Id != 1 ||
            node->NodeId != 1 || (node->Property.Flags & KSPROPERTY_TYPE_TOPOLOGY) == 0) {
            ++badRequests;
            return E_INVALIDARG;
        }
        flags.push_back(node->Property.Flags);
        auto* d = static_cast<uint16_t*>(data);
        if (node->Property.Flags & KSPROPERTY_TYPE_SET) {
            if (d[1] == 0xFF00) {
                pending_ = d[0];
            } else {
                registers[d[0]] = static_cast<uint8_t>(d[1]);
                // The length write starts the transfer; the unit reports it done at once.
                if (d[0] == 0x10D7) registers[0x10D0] |= 0x04;
            }
        } else {
            d[0] = pending_;
            d[1] = static_cast<uint16_t>(0xAB00 | registers[pending_]);
        }
        if (returned) *returned = 4;
        return S_OK;
    }
    STDMETHODIMP KsMethod(PKSMETHOD, ULONG, LPVOID, ULONG, ULONG*) override { return E_NOTIMPL; }
    STDMETHODIMP KsEvent(PKSEVENT, ULONG, LPVOID, ULONG, ULONG*) override { return E_NOTIMPL; }

  private:
    uint16_t pending_ = 0;
};

// An object with IUnknown only, like a capture filter without the extension unit.
class PlainObject final : public IUnknown {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown)) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
};

constexpr ULONG kSet = KSPROPERTY_TYPE_SET | KSPROPERTY_TYPE_TOPOLOGY;
constexpr ULONG kGet = KSPROPERTY_TYPE_GET | KSPROPERTY_TYPE_TOPOLOGY;

TEST(KsRegisterBridge, TurnsTheCameraThroughWellFormedNodeProperties) {
    FakeCameraUnit unit;
    {
        KsRegisterBridge bridge(&unit);
        ASSERT_TRUE(bridge.Available());
        EXPECT_TRUE(SendCameraImageTurn(bridge, CameraTurnValue(0)));
        EXPECT_EQ(unit.badRequests, 0);
        EXPECT_EQ(unit.registers[0x10D9], 1);
        EXPECT_EQ(unit.registers[0x10D8], 1);
        EXPECT_EQ(unit.registers[0x10D1], 0x21);
        EXPECT_EQ(unit.registers[0x10D2], 0x1E);
        EXPECT_EQ(unit.registers[0x10D3], 0x30);
        EXPECT_EQ(unit.registers[0x10D7], 16);
        // Ten writes, then one read: a set of (address, 0xFF00) and a get.
        ASSERT_EQ(unit.flags.size(), 12u);
        for (size_t i = 0; i < 11; ++i) EXPECT_EQ(unit.flags[i], kSet) << i;
        EXPECT_EQ(unit.flags[11], kGet);

        EXPECT_TRUE(SendCameraImageTurn(bridge, CameraTurnValue(1)));
        EXPECT_EQ(unit.registers[0x10D3], 0x00);
        EXPECT_EQ(bridge.Read(0x10D1), 0x21) << "the low byte of the value field";
    }
    EXPECT_EQ(unit.refs, 1) << "the bridge releases the interface it took";
}

TEST(KsRegisterBridge, WithoutTheInterfaceEveryStepFailsQuietly) {
    PlainObject plain;
    KsRegisterBridge none(&plain);
    EXPECT_FALSE(none.Available());
    EXPECT_FALSE(none.Write(0x10D9, 1));
    EXPECT_EQ(none.Read(0x10D0), std::nullopt);
    EXPECT_FALSE(SendCameraImageTurn(none, CameraTurnValue(0)));

    KsRegisterBridge null(nullptr);
    EXPECT_FALSE(null.Available());
    EXPECT_FALSE(SendCameraImageTurn(null, CameraTurnValue(1)));
}

}  // namespace
}  // namespace halvertone
