// libFuzzer target: settings values as a hand-edited "Setting.ini" could hold them (each key
// in load order takes the next four bytes, then the screen size) build the table and lay out
// the calibration targets. No undefined behaviour, and every position a tool reads inside
// the region stays within a sane screen range.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/setting_keys.h"
#include "calibration/table_builder.h"
#include "calibration/target_layout.h"

namespace {

struct Bytes {
    const uint8_t* data;
    size_t size;
    bool Next(int32_t& v) {
        if (size < 4) return false;
        std::memcpy(&v, data, 4);
        data += 4;
        size -= 4;
        return true;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvertone;
    if (size == 0) return 0;
    const int flag = data[0] & 1;
    Bytes in{data + 1, size - 1};
    Settings settings;
    for (const IntSettingKey& key : IntSettingKeys()) {
        int32_t v = key.defaultValue;
        in.Next(v);
        key.store(settings, v);
    }
    int32_t w = 1024, h = 768;
    in.Next(w);
    in.Next(h);
    ScreenMetrics metrics;
    metrics.Set(w, h);

    const TargetGeometry g{settings.calibrationSize, settings.calibrationShiftX,
                           settings.calibrationShiftY, metrics.width, metrics.height};
    for (int32_t step = 0; step < 14; ++step) {
        TargetProgress p;
        p.phase = step < 9 ? 0 : 1;
        p.row = step < 9 ? step / 3 : 3;
        p.column = step < 9 ? step % 3 : 0;
        p.innerRow = step < 9 ? 0 : (step - 9) / 2;
        p.innerColumn = step < 9 ? 0 : (step - 9) % 2;
        TargetsToDraw(g, p);
    }

    ScreenMapping mapping;
    TableBuilder(settings, metrics, mapping).Build(flag);
    // Every 7th column and row: the whole frame would slow the fuzzing tenfold.
    for (int32_t x = 0; x < kFrameWidth; x += 7)
        for (int32_t y = 0; y < kFrameHeight; y += 7)
            if (const auto p = mapping.LookUp(x, y))
                if (p->x < -kScreenPositionLimit || p->x > kScreenPositionLimit ||
                    p->y < -kScreenPositionLimit || p->y > kScreenPositionLimit)
                    std::abort();
    return 0;
}
