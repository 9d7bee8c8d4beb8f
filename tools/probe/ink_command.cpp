// halvertone-probe ink SCRIPT
// Replays pen strokes through the real pen handler, live curves and stroke records on a
// simulated 1024 x 768 screen. Prints every two-point curve and Bezier call as drawn, the
// off-screen gesture when it would run and every dispatch-flag change; at the end, each pen
// stroke of the list in use, oldest first.
#include <cstdio>
#include <string>
#include <vector>

#include "doubles/drawing_rig.h"
#include "tools/probe/command.h"
#include "tools/probe/no_threads.h"
#include "tools/probe/script_lines.h"
#include "tracking/tool_starter.h"
#include "tracking/tool_workers.h"

namespace halvertone::probe {
namespace {

constexpr long kBig = 10'000'000;
const std::vector<ScriptSyntax> kSyntax = {
    {"sensitivity", 1, -kBig, kBig},
    {"sensx", 1, -kBig, kBig},
    {"sensy", 1, -kBig, kBig},
    {"colour", 1, 0, 0xFFFFFFFF, nullptr, true},
    {"width", 1, -kBig, kBig},
    {"toolbar", 4, -kBig, kBig, "visible|hidden"},
    {"spot", 2, -kBig, kBig},
    {"off", 1, 0, 3},
    {"none", 0, 0, 0},
    {"lostdc", 0, 0, 0},
    {"clean", 0, 0, 0},
    {"pen", 0, 0, 0},
};

// The eraser is not part of a pen replay.
class IdleHandler final : public ToolHandler {
  public:
    int OnFrame() override { return 0; }
};

sim::SimInkOptions ReplayCanvas() {
    sim::SimInkOptions o;
    o.rasterise = false;  // only the calls are printed
    return o;
}

class Replay {
  public:
    Replay() {
        r_.rig.input.onSend = [](const sim::TimedRecord& t) {
            if (t.record.flags == kMouseRightDown) std::printf("offscreen %d\n", kOutsideTopBottom);
        };
        r_.rig.toolbar.onSideCommand = [](int32_t c) { std::printf("offscreen %d\n", c); };
        r_.rig.toolbar.onSelectTool = [this](int32_t id) {
            starter_.Start(id == kCurrentTool ? r_.rig.toolbar.toolMode.load() : id);
        };
        // A tool start empties the live buffer, as the main window's hook does.
        workers_.SetBeforeWorkerStart([this] { r_.live.Buffer().Reset(); });
    }

    void Run(const ScriptLine& line) {
        const DispatchFlags& f = r_.rig.flags;
        const bool before[3] = {f.Mouse(), f.Pen(), f.Eraser()};
        Apply(line);
        PrintDrawing();
        const bool after[3] = {f.Mouse(), f.Pen(), f.Eraser()};
        if (before[0] != after[0] || before[1] != after[1] || before[2] != after[2])
            std::printf("dispatch %d %d %d\n", after[0], after[1], after[2]);
    }

    void PrintStrokes() const {
        r_.recorder.ListInUse().Visit([](const StrokeEntry& e) {
            const auto* pen = std::get_if<PenStrokeData>(&e.data);
            if (!pen) return;
            std::printf("stroke %u %d %zu %d", pen->colour, pen->width, pen->points.size(),
                        pen->highlighter);
            for (const PixelPoint& p : pen->points) std::printf(" %d %d", p.x, p.y);
            std::printf("\n");
        });
    }

  private:
    void PrintDrawing() {
        for (const sim::InkCall& call : r_.canvas.Calls()) {
            const bool curve2 = call.op == sim::InkOp::kTautCurve && call.points.size() == 2;
            if (curve2 || call.op == sim::InkOp::kBeziers)
                std::printf("%s\n", sim::Describe(call).c_str());
        }
        r_.canvas.ClearCalls();
    }

    // Frames reach the pen only while it is in charge; otherwise its worker has ended.
    template <typename Push>
    void Frame(Push push) {
        if (!r_.rig.flags.Pen()) return;
        push();
        r_.penMode.OnPenFrame();
    }

    void Apply(const ScriptLine& line) {
        const std::string& cmd = line.words[0];
        const auto v = [&](size_t i) { return static_cast<int32_t>(line.values[i]); };
        Settings& s = r_.rig.settings;
        if (cmd == "sensitivity") {
            s.drawSensitivity = v(0);
        } else if (cmd == "sensx") {
            s.drawSensitivityX = v(0);
        } else if (cmd == "sensy") {
            s.drawSensitivityY = v(0);
        } else if (cmd == "colour") {
            r_.pen.colour = static_cast<uint32_t>(line.values[0]);
        } else if (cmd == "width") {
            r_.pen.width = v(0);
        } else if (cmd == "toolbar") {
            r_.rig.toolbar.SetWindowRect({v(0), v(1), v(2), v(3)});
            r_.rig.toolbar.visible = line.words[5] == "visible";
        } else if (cmd == "spot") {
            Frame([&] { r_.rig.PushSpot(v(0), v(1)); });
        } else if (cmd == "off") {
            Frame([&] { r_.rig.PushOffScreen(v(0)); });
        } else if (cmd == "none") {
            Frame([&] { r_.rig.PushNone(); });
        } else if (cmd == "lostdc") {
            // What a full redraw does to the live context.
            r_.screen.Release();
        } else if (cmd == "clean") {
            r_.cleanPending = true;
        } else if (cmd == "pen") {
            starter_.StartPen();
        }
    }

    sim::DrawingRig r_{1024, 768, ReplayCanvas()};
    WorkerRunning running_;
    CheckEnvironment checkEnvironment_;
    StdLockable toolMutex_;
    NoThreads threads_;
    IdleHandler eraser_;
    ToolWorkers workers_{ToolWorkersContext{r_.rig.flags, running_, r_.rig.state, checkEnvironment_,
                                            r_.rig.ring, r_.rig.settings, toolMutex_, threads_,
                                            r_.rig.toolbar, r_.rig.mouse, r_.penMode, eraser_}};
    ToolStarter starter_{ToolStarterContext{r_.rig.flags, r_.rig.state, r_.rig.toolbar.toolMode,
                                            workers_, r_.rig.ring, r_.rig.clock}};
};

int RunInk(const Args& args) {
    if (args.size() != 1) return UsageError("ink needs exactly one SCRIPT");
    std::vector<ScriptLine> lines;
    if (const std::string error = ReadScript(args[0], kSyntax, lines); !error.empty())
        return UsageError(error);
    Replay replay;
    for (const ScriptLine& line : lines) replay.Run(line);
    replay.PrintStrokes();
    return 0;
}

const CommandRegistrar kInk("ink", "ink SCRIPT", RunInk);

}  // namespace
}  // namespace halvertone::probe
