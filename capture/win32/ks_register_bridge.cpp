#include "capture/win32/ks_register_bridge.h"

namespace halvertone {

KsRegisterBridge::KsRegisterBridge(IUnknown* filter) {
    if (filter != nullptr) filter->QueryInterface(IID_IKsControl, PutVoid(ks_));
}

bool KsRegisterBridge::Property(ULONG flags, BridgeData& data) {
    if (!ks_) return false;
    KSP_NODE node{};
    node.Property.Set = kBridgePropertySet;
    node.Property.Id = kBridgePropertyId;
    node.Property.Flags = flags;
    node.NodeId = kBridgeNodeId;
    ULONG returned = 0;
    const HRESULT hr = ks_->KsProperty(reinterpret_cast<PKSPROPERTY>(&node), sizeof node, &data,
                                       sizeof data, &returned);
    return SUCCEEDED(hr);
}

bool KsRegisterBridge::Write(uint16_t address, uint8_t value) {
    BridgeData data{address, value};
    return Property(KSPROPERTY_TYPE_SET | KSPROPERTY_TYPE_TOPOLOGY, data);
}

std::optional<uint8_t> KsRegisterBridge::Read(uint16_t address) {
    BridgeData request{address, 0xFF00};
    if (!Property(KSPROPERTY_TYPE_SET | KSPROPERTY_TYPE_TOPOLOGY, request)) return std::nullopt;
    BridgeData answer{address, 0};
    if (!Property(KSPROPERTY_TYPE_GET | KSPROPERTY_TYPE_TOPOLOGY, answer)) return std::nullopt;
    return static_cast<uint8_t>(answer.value & 0xFF);
}

}  // namespace halvertone
