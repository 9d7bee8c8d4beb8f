// halvertone-probe mouse SCRIPT
// Replays a pen session through mouse mode in virtual time, with the real handler, a
// simulated cursor and a fake toolbar; prints every input record, hold-timer start, side
// command, tool selection and dispatch-flag change with its virtual time in ms.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/probe/command.h"
#include "tools/probe/no_threads.h"
#include "tools/probe/script_lines.h"
#include "doubles/mouse_rig.h"
#include "tracking/tool_starter.h"
#include "tracking/tool_workers.h"

namespace halvertone::probe {
namespace {

constexpr long kBig = 10'000'000;
const std::vector<ScriptSyntax> kSyntax = {
    {"screen", 2, 1, 100'000},
    {"sensitivity", 1, -kBig, kBig},
    {"speed", 1, -kBig, kBig},
    {"opmode", 1, -kBig, kBig},
    {"cursor", 2, -kBig, kBig},
    {"tool", 0, 0, 0, "mouse|pen|eraser"},
    {"toolbar", 4, -kBig, kBig, "visible|hidden"},
    {"popup", 1, 0, 1},
    {"action", 1, 0, 1},
    {"start", 0, 0, 0},
    {"spot", 2, -kBig, kBig},
    {"off", 1, 0, 3},
    {"none", 0, 0, 0},
    {"tick", 0, 0, 0},
    {"wait", 1, 0, 1'000'000'000},
};

const char* ToolName(int32_t id) {
    switch (id) {
        case kToolMouse:
            return "mouse";
        case kToolPen:
            return "pen";
        case kToolEraser:
            return "eraser";
        default:
            return "current";
    }
}

// Pen and eraser handlers are not part of a mouse-mode replay.
class IdleHandler final : public ToolHandler {
  public:
    int OnFrame() override { return 0; }
};

class Replay {
  public:
    Replay() {
        rig.input.onSend = [this](const sim::TimedRecord& r) {
            std::printf("%llu send 0x%04x %d %d\n", Now(), r.record.flags, r.record.dx,
                        r.record.dy);
        };
        rig.timers.onStart = [this](const sim::TimerStart& t) {
            std::printf("%llu timer %u %u\n", Now(), t.id, t.periodMs);
        };
        rig.toolbar.onSideCommand = [this](int32_t c) { std::printf("%llu side %d\n", Now(), c); };
        rig.toolbar.onSelectTool = [this](int32_t id) {
            std::printf("%llu tool %s\n", Now(), ToolName(id));
            starter.Start(id == kCurrentTool ? rig.toolbar.toolMode.load() : id);
        };
        // The replay stands for the running mouse worker.
        running.Claim(WorkerKind::kMouse);
    }

    void Run(const ScriptLine& line) {
        const bool before[3] = {rig.flags.Mouse(), rig.flags.Pen(), rig.flags.Eraser()};
        Apply(line);
        const bool after[3] = {rig.flags.Mouse(), rig.flags.Pen(), rig.flags.Eraser()};
        if (before[0] != after[0] || before[1] != after[1] || before[2] != after[2])
            std::printf("%llu dispatch %d %d %d\n", Now(), after[0], after[1], after[2]);
    }

  private:
    unsigned long long Now() const { return rig.clock.NowMs(); }

    void Apply(const ScriptLine& line) {
        const std::string& cmd = line.words[0];
        const auto v = [&](size_t i) { return static_cast<int32_t>(line.values[i]); };
        if (cmd == "screen") {
            rig.screen.Set(v(0), v(1));
        } else if (cmd == "sensitivity") {
            rig.settings.mouseSensitivity = v(0);
        } else if (cmd == "speed") {
            rig.settings.mouseDownMoveSpeed = v(0);
        } else if (cmd == "opmode") {
            rig.settings.operationMode = v(0);
        } else if (cmd == "cursor") {
            rig.cursor.Set({v(0), v(1)});
        } else if (cmd == "tool") {
            const std::string& t = line.words[1];
            rig.toolbar.toolMode = t == "mouse" ? kToolMouse : t == "pen" ? kToolPen : kToolEraser;
        } else if (cmd == "toolbar") {
            rig.toolbar.SetWindowRect({v(0), v(1), v(2), v(3)});
            rig.toolbar.visible = line.words[5] == "visible";
        } else if (cmd == "popup") {
            rig.toolbar.popupOpen = v(0) != 0;
        } else if (cmd == "action") {
            rig.toolbar.actionRunning = v(0) != 0;
        } else if (cmd == "start") {
            rig.state.glideNextPress = true;
        } else if (cmd == "spot") {
            rig.SpotFrame(v(0), v(1));
        } else if (cmd == "off") {
            rig.OffScreenFrame(v(0));
        } else if (cmd == "none") {
            rig.NoSpotFrame();
        } else if (cmd == "tick") {
            if (rig.timers.Running(HoldTimer::kId)) rig.holdTimer.Tick();
        } else if (cmd == "wait") {
            rig.clock.Advance(static_cast<uint64_t>(line.values[0]));
        }
    }

    sim::MouseRig rig;
    WorkerRunning running;
    CheckEnvironment checkEnvironment;
    StdLockable toolMutex;
    NoThreads threads;
    IdleHandler pen, eraser;
    ToolWorkers workers{ToolWorkersContext{rig.flags, running, rig.state, checkEnvironment,
                                           rig.ring, rig.settings, toolMutex, threads, rig.toolbar,
                                           rig.mouse, pen, eraser}};
    ToolStarter starter{ToolStarterContext{rig.flags, rig.state, rig.toolbar.toolMode, workers,
                                           rig.ring, rig.clock}};
};

int RunMouse(const Args& args) {
    if (args.size() != 1) return UsageError("mouse needs exactly one SCRIPT");
    std::vector<ScriptLine> lines;
    if (const std::string error = ReadScript(args[0], kSyntax, lines); !error.empty())
        return UsageError(error);
    Replay replay;
    for (const ScriptLine& line : lines) replay.Run(line);
    return 0;
}

const CommandRegistrar kMouse("mouse", "mouse SCRIPT", RunMouse);

}  // namespace
}  // namespace halvertone::probe
