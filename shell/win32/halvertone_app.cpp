#include "shell/win32/halvertone_app.h"

#include <commctrl.h>
#include <ole2.h>

#include "annotation/screen_draw_message.h"
#include "base/camera_connected.h"
#include "base/modal_ui.h"
#include "calibration/display_change.h"
#include "calibration/table_builder.h"
#include "calibration/text_lookup.h"
#include "calibration/win32/check_environment_window.h"
#include "calibration/win32/preset_choice_window.h"
#include "capture/camera_image_turn.h"
#include "capture/win32/grabber_callback.h"
#include "capture/win32/ks_register_bridge.h"
#include "platform/program_log.h"
#include "platform/win32/module_path.h"
#include "resources/resource.h"
#include "shell/camera_ids.h"
#include "shell/language_choice.h"
#include "shell/program_paths.h"
#include "shell/quit_switch.h"
#include "shell/text_table.h"
#include "shell/win32/about_dlg.h"
#include "shell/win32/calibration_quality_box.h"
#include "shell/win32/camera_choice_window.h"

namespace halvertone {
namespace {

constexpr int kOleFailedString = 100;
constexpr int kMethodTemplateId = 192;
constexpr int kCalibrationCommand = 32788;
constexpr int kProjectionDistanceCommand = 32805;
constexpr int kAboutCommand = 32798;
constexpr size_t kLanguageLookupChars = 300;

}  // namespace

CHalvertoneApp::CHalvertoneApp() = default;
CHalvertoneApp::~CHalvertoneApp() = default;

std::string CHalvertoneApp::LanguageText(const std::string& section, const std::string& key) {
    return language_ ? language_->GetString(section, key, "", 1024) : std::string();
}

void CHalvertoneApp::TurnCameraForFlip() {
    TurnCameraImage(CameraTurnValue(settings.flip));
}

TextLookup CHalvertoneApp::LanguageTexts() {
    return [this](const std::string& section, const std::string& key) {
        return LanguageText(section, key);
    };
}

bool CHalvertoneApp::InitInstance(HINSTANCE instance, const char* commandLineTail) {
    instance_ = instance;
    if (FAILED(OleInitialize(nullptr))) {
        char text[256] = {};
        LoadStringA(instance_, kOleFailedString, text, sizeof text);
        MessageBoxA(nullptr, text, kProgramCaption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    oleInitialised_ = true;
    // A program folder no ANSI path reaches would be read as a wrong one (with '?' for the
    // characters the code page lacks): the program says so and does not start.
    const std::optional<std::string> modulePath = ModuleFilePathAnsi();
    if (!modulePath) {
        MessageBoxA(nullptr,
                    "Halvertone cannot be started from this folder. Please install it "
                    "in a folder with a shorter name.",
                    kProgramCaption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    ProgramDirectory = FolderOf(*modulePath);
    automation_ = std::make_unique<AutomationServer>(*this);

    const LanguageChoice choice =
        ChooseLanguage(ProgramDirectory, GetUserDefaultLangID(), files_, messages_);
    LanguageFilePath = choice.languageFilePath;
    SettingsFilePath = choice.settingsFilePath;
    language_ = std::make_unique<PrivateProfileStore>(LanguageFilePath);

    ReadScreenMetrics();

    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    if (AutomationServer::IsComStart(commandLineTail))
        automation_->RegisterClassObject();
    else
        AutomationServer::UpdateRegistry(*modulePath);

    const bool quit = IsQuitSwitch(commandLineTail);
    SettingsFileFound = GetFileAttributesA(SettingsFilePath.c_str()) != INVALID_FILE_ATTRIBUTES;

    const KitLocation where{ProgramDirectory, SettingsFileFound != 0};
    if (!LoadSharedKit(kits, where, messages_)) return false;
    if (!LoadPictureKit(kits, where, messages_)) return false;

    settingsIni_ = std::make_unique<PrivateProfileStore>(SettingsFilePath);
    registry_ = std::make_unique<RegistrySettings>(
        [this] { return CopyMachineKeyToUser(kits, "Software\\Tarnwick"); });
    controller_ = std::make_unique<SettingsController>(
        settings, SettingsSource{SettingsFileFound != 0, settingsIni_.get(), registry_.get()},
        *this);
    controller_->Load();

    LoadStrokeKit(kits, ProgramDirectory, settings.drawLineSmoothEnable, messages_);

    if (!SingleInstance(quit)) return false;
    OpenProgramLog(ProgramFile(ProgramDirectory, kProgramLogFileName));
    LogLine("started");

    MainWindowContext context;
    context.resources = instance_;
    context.programDirectory = ProgramDirectory;
    context.language = language_.get();
    context.settings = &settings;
    context.screen = &screen;
    context.mapping = &mapping;
    context.command = [this](int id) { return OnCommand(id); };
    context.rebuildForDisplay = [this] {
        TableBuilder builder(settings, screen, mapping);
        RebuildForNewScreen(
            DisplayRebuildPorts{
                [] {
                    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
                },
                [this] {
                    if (toolbar_) toolbar_->LayOut();
                }},
            screen, builder);
    };
    context.systemAbout = [this] { SystemAbout(); };
    context.offerCameraChoice = [this](HWND owner) { ChooseCamera(owner, true); };
    context.turnImage = [this] { TurnCameraForFlip(); };
    // The toolbar's state exists before the engine: the trackers read it from the start. Its
    // window comes later, once the table and the calibration exist.
    toolbar_ = new CDrawToolbarDlg;
    context.toolbar = toolbar_;
    mainWindow_ = new CHalvertoneDlg(std::move(context));
    if (!mainWindow_->Create()) return false;

    // The tool-mode mutex and the whole road of a frame; the main window carries its
    // per-frame messages and its hold timer, and starts the camera into its ring.
    engine_ = new TrackingEngine(settings, screen, mapping, mainWindow_->Handle(), *toolbar_,
                                 toolbar_->toolMode,
                                 InkLinks{toolbar_, &toolbar_->pen, &toolbar_->cleanPending,
                                          &toolbar_->captureTool,
                                          [toolbar = toolbar_] { return toolbar->BoardOn(); },
                                          kits.stroke.table});
    mainWindow_->Start(*engine_);

    BuildTable(0);

    MakeCalibration();
    // The toolbar's initialisation selects the mouse tool; it shows once the room is dark.
    if (!CreateToolbar()) return false;
    CheckRoom();
    methodWindow_->Create(instance_, procedure_->MethodDialog());
    return true;
}

bool CHalvertoneApp::CreateToolbar() {
    TrackingEngine& engine = *engine_;
    DrawToolbarContext c;
    c.resources = instance_;
    c.programDirectory = ProgramDirectory;
    c.settings = &settings;
    c.settingsFile = settingsIni_.get();
    c.screen = &screen;
    c.starter = &engine.starter;
    c.clock = &engine.clock;
    c.repainter = repainter_;
    c.desktopStrokes = &engine.ink.lists.DesktopStrokes;
    c.captureToolStrokes = &engine.ink.lists.CaptureToolStrokes;
    c.redraw = &engine.ink.redraw;
    c.text = LanguageTexts();
    c.exit = [this] { Exit(); };
    actions_ = new ToolbarActionSet(ToolbarActionParts{instance_, c.text, &settings, &screen,
                                                       kits.picture.table, toolbar_, &engine.ink,
                                                       &engine.clock});
    c.actions = actions_->Actions();
    return toolbar_->Create(std::move(c));
}

void CHalvertoneApp::CheckRoom() {
    CheckEnvironment& check = engine_->checkEnvironment;
    check.mode = true;
    CheckEnvironmentWindow window(
        LanguageTexts(),
        CheckEnvironmentCounters{[&check] { check.Reset(); },
                                 [&check] { return uint32_t{check.BrightFrames()}; }});
    if (window.Run(instance_, toolbar_->Handle()) != 0) {
        toolbar_->ShowAfterRoomCheck();
        check.mode = false;
    } else {
        // Light in the room: the main window says so, and the mouse worker keeps counting.
        ModalUiActive() = 1;
        ShowWindow(mainWindow_->Handle(), SW_SHOW);
    }
    TurnCameraForFlip();
    if (!procedure_->State().orientationError.load()) mainWindow_->WatchCamera();
    // The icon tells the truth about a camera that was missing at start-up too; the watchdog
    // would otherwise only correct it a second later.
    mainWindow_->ShowCameraIcon(CameraConnected() != 0);
}

void CHalvertoneApp::ReadScreenMetrics() {
    screen.Set(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    FrameQuadrants = {PixelRect{0, 0, 320, 240}, PixelRect{320, 0, 640, 240},
                      PixelRect{0, 240, 320, 480}, PixelRect{320, 240, 640, 480}};
    mapping.scanWindow = kWholeFrame;
}

bool CHalvertoneApp::SingleInstance(bool quit) {
    HANDLE running = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kSingleInstanceMutexName);
    if (running) {
        const std::string caption = ReadText(*language_, TextId::kDialogCaptionSearch);
        CloseHandle(running);
        // Without a language file the caption is empty, and an empty title matches some
        // other program's window, which must not be shown or sent the exit command.
        HWND other = caption.empty() ? nullptr : FindWindowA(nullptr, caption.c_str());
        if (other) {
            if (quit) {
                PostMessageA(other, WM_COMMAND, MAKEWPARAM(kExitCommand, 0), 0);
            } else {
                ShowWindow(other, SW_SHOW);
                SetForegroundWindow(other);
                BringWindowToTop(other);
            }
        }
        return false;
    }
    if (quit) return false;
    instanceMutex_ = CreateMutexA(nullptr, FALSE, kSingleInstanceMutexName);
    return instanceMutex_ != nullptr;
}

void CHalvertoneApp::MakeCalibration() {
    TrackingEngine& engine = *engine_;
    methodWindow_ = new ProjectionMethodWindow;
    painter_ = new ScreenTargetPainter;
    beeper_ = new MessageBeeper;
    repainter_ = new DesktopRepainter;
    dispatch_ = new WorkerToolDispatch(engine.flags, engine.state, engine.workers);
    CalibrationHooks hooks;
    hooks.buildTable = [this] {
        BuildTable(1);
        ReportCalibrationQuality(settings, screen, SettingsFileFound ? settingsIni_.get() : nullptr,
                                 *language_);
    };
    hooks.turnCameraImage = [this](uint8_t value) { TurnCameraImage(value); };
    hooks.text = WithTextBuffer(LanguageTexts(), kLanguageLookupChars);
    procedure_ = new CalibrationProcedure(CalibrationEnvironment{
        settings, screen, *settingsIni_, engine.clock, engine.ring, *painter_, *beeper_,
        *repainter_, *methodWindow_, *dispatch_, hooks});
    calibrationRun_ = new ProcedureRun(*procedure_, *repainter_);
    dispatch_->Attach(*calibrationRun_);
}

void CHalvertoneApp::TurnCameraImage(uint8_t value) {
    KsRegisterBridge bridge(mainWindow_->CaptureDevice());
    const bool cameraTurned = SendCameraImageTurn(bridge, value);
    GrabberCallback::Instance().SetSoftwareTurn(!cameraTurned && value == CameraTurnValue(1));
}

void CHalvertoneApp::BuildTable(int flag) {
    TableBuilder(settings, screen, mapping,
                 CalibrationFile{SettingsFileFound != 0, settingsIni_.get(),
                                 [this] { controller_->Load(); }})
        .Build(flag);
}

int CHalvertoneApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND main = mainWindow_ ? mainWindow_->Handle() : nullptr;
        HWND method = methodWindow_ ? methodWindow_->Handle() : nullptr;
        if (main && IsDialogMessageA(main, &msg)) continue;
        if (method && IsDialogMessageA(method, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool CHalvertoneApp::OnCommand(int id) {
    HWND owner = mainWindow_ ? mainWindow_->Handle() : nullptr;
    PresetDialogContext presets{
        instance_,
        owner,
        *settingsIni_,
        WithTextBuffer(LanguageTexts(), kLanguageLookupChars),
        [this] { controller_->Apply(); },
        &ModalUiActive()};
    switch (id) {
        case kExitCommand:
            Exit();
            return true;
        case kCalibrationCommand:
            if (procedure_) procedure_->Command();
            return true;
        case kProjectionDistanceCommand:
            RunProjectionDistanceDialog(presets);
            return true;
        case CHalvertoneDlg::kMouseModeCommand:
            RunMouseModeDialog(presets);
            return true;
        case CHalvertoneDlg::kPreciseMappingCommand:
            TogglePreciseMapping();
            return true;
        case ID_CAMERA_CHOICE:
            ChooseCamera(owner, false);
            return true;
        case ID_CAMERA_VIEW:
            OpenCameraView();
            return true;
        case kAboutCommand: {
            ModalUiActive() = 1;
            CAboutDlg(*language_, CAboutDlg::Variant::kMenu, settingsIni_.get())
                .Run(instance_, owner);
            ModalUiActive() = 0;
            return true;
        }
        case CHalvertoneDlg::kShowMainWindowCommand:
            if (owner) {
                ShowWindow(owner, SW_SHOW);
                SetForegroundWindow(owner);
            }
            return true;
        default:
            return controller_ && controller_->RunCommand(id);
    }
}

void CHalvertoneApp::TogglePreciseMapping() {
    const int32_t mode =
        settings.mappingMode == kPreciseMapping ? kQuarterMapping : kPreciseMapping;
    settings.mappingMode = mode;
    WriteMappingMode(*settingsIni_, mode);
    if (mainWindow_) {
        mainWindow_->MarkPreciseMapping();
        mainWindow_->RebuildTable();
    }
}

void CHalvertoneApp::ChooseCamera(HWND owner, bool atStart) {
    const CameraChoiceContext context{
        instance_, owner, *language_, *settingsIni_, CameraIdsFrom(settings), &ModalUiActive()};
    const std::optional<CameraEntry> chosen = RunCameraChoice(context, atStart);
    if (!chosen) return;
    // At start-up the camera is looked for right after this; later the apply step reloads
    // and reconnects. Either way the record gets the chosen ids also when it is read from
    // the registry, which the written file does not reach.
    if (!atStart) controller_->Apply();
    SetCameraIds(settings, chosen->pid, chosen->vid);
}

void CHalvertoneApp::OpenCameraView() {
    if (!engine_) return;
    TrackingEngine& engine = *engine_;
    if (!cameraView_) {
        snapshot_ = new FrameSnapshot(engine.clock);
        GrabberCallback::Instance().SetSnapshot(snapshot_);
        cameraView_ = new CameraViewWindow(CameraViewContext{
            instance_, *language_, settings, mapping, engine.ring, *snapshot_, engine.clock});
    }
    cameraView_->Open();
}

void CHalvertoneApp::SystemAbout() {
    CAboutDlg(*language_, CAboutDlg::Variant::kSystemMenu, settingsIni_.get())
        .Run(instance_, mainWindow_ ? mainWindow_->Handle() : nullptr);
}

void CHalvertoneApp::Exit() {
    ModalUiActive() = 1;
    const std::string text = ExpandLineBreaks(ReadText(*language_, TextId::kMsgTerminate));
    RepaintDesktop();
    if (ExitWithoutAsking() != 1) {
        const int answer =
            MessageBoxA(mainWindow_ ? mainWindow_->Handle() : nullptr, text.c_str(),
                        kProgramCaption, MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND);
        if (answer != IDYES) {
            ModalUiActive() = 0;
            return;
        }
    }
    const bool connected = CameraConnected() != 0;
    if (connected) controller_->SavePenSettings();
    if (toolbar_) toolbar_->StopTimers();
    if (mainWindow_) mainWindow_->StopWatchingCamera();
    if (mainWindow_) {
        mainWindow_->Tray().ShowIcon(-1);
        if (engine_) {
            FreeStrokeList(engine_->ink.lists.DesktopStrokes);
            FreeStrokeList(engine_->ink.lists.CaptureToolStrokes);
        }
        mainWindow_->Destroy();
    }
    if (connected)
        PostMessageA(HWND_BROADCAST, RegisterWindowMessageA(kScreenDrawMessageName),
                     screen_draw::kClose, 0);
    if (toolbar_) toolbar_->Destroy();
    PostQuitMessage(0);
    ModalUiActive() = 0;
}

int CHalvertoneApp::ExitInstance(int exitCode) {
    if (mainWindow_) mainWindow_->StopFrames();
    if (instanceMutex_) CloseHandle(instanceMutex_);
    instanceMutex_ = nullptr;
    ReleaseKits(kits);
    LogLine("ended");
    CloseProgramLog();
    if (automation_) automation_->Revoke();
    if (oleInitialised_) OleUninitialize();
    oleInitialised_ = false;
    return exitCode;
}

void CHalvertoneApp::LockApp() {
    ++appLocks_;
}

void CHalvertoneApp::UnlockApp() {
    // The last client let go of a process that only COM started: end it.
    if (--appLocks_ == 0 && !mainWindow_) PostQuitMessage(0);
}

void CHalvertoneApp::AttachProxy(IDispatch* proxy) {
    if (mainWindow_) mainWindow_->SetProxy(proxy);
}

void CHalvertoneApp::SetModalUiActive() {
    ModalUiActive() = 1;
}

void CHalvertoneApp::RepaintDesktop() {
    DesktopRepainter().RepaintAll(false);
}

PenSettings CHalvertoneApp::CurrentPen() {
    if (!toolbar_)
        return PenSettings{settings.penColor, settings.penWidth, settings.transparency != 0};
    return PenSettings{toolbar_->pen.colour, toolbar_->pen.width, toolbar_->pen.highlighter};
}

void CHalvertoneApp::StartToolbarTimer(uint32_t timerId, uint32_t elapseMs) {
    // The apply step's one timer is its reconnect, which the camera's owner runs.
    if (mainWindow_ && timerId == kReconnectTimerId) mainWindow_->ReconnectAfterApply(elapseMs);
}

}  // namespace halvertone
