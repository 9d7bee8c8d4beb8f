#include "shell/text_table.h"

#include <array>

namespace halvertone {
namespace {

constexpr const char* kStrings = "String Table";
constexpr const char* kAbout = "About Dialog";
constexpr const char* kCheckEnv = "CheckEnv Dialog";
constexpr const char* kCalibration = "Calibration Msg";
constexpr const char* kDistance = "Projection Distance";
constexpr const char* kCameraChoice = "Camera Dialog";
constexpr const char* kCameraView = "Camera View";

constexpr std::array<TextEntry, static_cast<size_t>(TextId::kCount)> kEntries = {{
    {TextId::kDialogCaptionSearch, kStrings, "Dialog_Caption", 300},
    {TextId::kMainWindowCaption, kStrings, "Dialog Caption", 100},
    {TextId::kMsgTerminate, kStrings, "Msg_terminate", 300},
    {TextId::kMenuAboutSystemMenu, kStrings, "Menu_About", 300},
    {TextId::kMenuCalibration, kStrings, "Menu_Calibration", 150},
    {TextId::kMenuProjectionDistance, kStrings, "Menu_ProjectionDistance", 150},
    {TextId::kMenuAboutTray, kStrings, "Menu_About", 150},
    {TextId::kMenuExit, kStrings, "Menu_Exit", 150},
    {TextId::kConnectTooltips, kStrings, "Connect Tooltips", 200},
    {TextId::kDisconnectTooltips, kStrings, "Disconnect Tooltips", 200},
    {TextId::kCheckEnvNgMessage, kCheckEnv, "NG-Message", 300},
    {TextId::kMsgCameraNoFind, kStrings, "Msg_Camera_NoFind", 400},
    {TextId::kMsgCameraNo640x480, kStrings, "Msg_Camera_No640x480", 400},
    {TextId::kAboutCaption, kAbout, "Caption", 300},
    {TextId::kAboutVersion, kAbout, "Version", 300},
    {TextId::kAboutCopyRight, kAbout, "CopyRight", 300},
    {TextId::kAboutOkButton, kStrings, "OK Button", 50},
    {TextId::kPenTransparency, kStrings, "Pen_Transparency", 200},
    {TextId::kPenCustomColor, kStrings, "Pen_Custom_Color", 200},
    {TextId::kPenCustomLineSize, kStrings, "Pen_Custom_LineSize", 200},
    {TextId::kSupportFileFormat, kStrings, "Support File Format", 300},
    {TextId::kCustomLineCaption, "Custom Line Dialog", "Caption", 200},
    {TextId::kCustomLineOkButton, kStrings, "OK Button", 200},
    {TextId::kCustomLineCancelButton, kStrings, "Cancel Button", 200},
    {TextId::kCheckEnvWaitMessage, kCheckEnv, "Wait-Message", 300},
    {TextId::kMouseModeOkButton, kStrings, "OK Button", 256},
    {TextId::kMsgNotice, kStrings, "Msg_Notice", 256},
    {TextId::kMsgDistance, kStrings, "Msg_Distance", 256},
    {TextId::kDistanceOkButton, kStrings, "OK Button", 256},
    {TextId::kDistanceHigh, kDistance, "High", 256},
    {TextId::kDistanceMiddle, kDistance, "Middle", 256},
    {TextId::kDistanceLow, kDistance, "Low", 256},
    {TextId::kProjectionMethodCaption, kCalibration, "Projection Method", 300},
    {TextId::kProjectionDesktop, kCalibration, "desktop", 300},
    {TextId::kProjectionCeiling, kCalibration, "ceiling", 300},
    {TextId::kProjectionOkButton, kCalibration, "OK Button", 300},
    {TextId::kProjectionCancelButton, kCalibration, "Cancel Button", 300},
    {TextId::kCalibrationCorrect, kCalibration, "correct", 300},
    {TextId::kCalibrationRecalibration, kCalibration, "recalibration", 300},
    {TextId::kCalibrationError, kCalibration, "error", 300},
    {TextId::kQualityCaption, kCalibration, "Quality Caption", 100},
    {TextId::kQualityGood, kCalibration, "Quality Good", 300},
    {TextId::kQualityPoor, kCalibration, "Quality Poor", 300},
    {TextId::kQualityHoldStill, kCalibration, "Quality Hold Still", 300},
    {TextId::kQualityTooSmall, kCalibration, "Quality Too Small", 300},
    {TextId::kQualityCalibrate, kCalibration, "Quality Calibrate", 300},
    {TextId::kQualityNoFit, kCalibration, "Quality No Fit", 300},
    {TextId::kAboutCalibration, kAbout, "Calibration", 300},
    {TextId::kMenuCamera, kStrings, "Menu_Camera", 150},
    {TextId::kMenuCameraView, kStrings, "Menu_CameraView", 150},
    {TextId::kCameraChoiceCaption, kCameraChoice, "Caption", 100},
    {TextId::kCameraChoicePrompt, kCameraChoice, "Prompt", 300},
    {TextId::kCameraChoiceLine, kCameraChoice, "Line", 300},
    {TextId::kCameraChoiceInUse, kCameraChoice, "In Use", 100},
    {TextId::kCameraChoiceOkButton, kStrings, "OK Button", 50},
    {TextId::kCameraChoiceCancelButton, kStrings, "Cancel Button", 50},
    {TextId::kCameraViewCaption, kCameraView, "Caption", 100},
    {TextId::kCameraViewFigures, kCameraView, "Figures", 300},
    {TextId::kCameraViewNoPicture, kCameraView, "No Picture", 300},
}};

constexpr bool EntriesInIdOrder() {
    for (size_t i = 0; i < kEntries.size(); ++i)
        if (static_cast<size_t>(kEntries[i].id) != i) return false;
    return true;
}
static_assert(EntriesInIdOrder(), "the text table is indexed by TextId");

}  // namespace

std::span<const TextEntry> AllTextEntries() {
    return kEntries;
}

const TextEntry& TextEntryFor(TextId id) {
    return kEntries[static_cast<size_t>(id)];
}

std::string ReadText(ProfileStore& languageFile, TextId id) {
    const TextEntry& e = TextEntryFor(id);
    std::string text = languageFile.GetString(e.section, e.key, "", e.bufferChars);
    // Only the exit confirmation is written with "\n" for its line break.
    return id == TextId::kMsgTerminate ? ExpandLineBreaks(text) : text;
}

std::string ExpandLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FillFields(std::string text, std::initializer_list<TextField> fields) {
    for (const auto& [name, value] : fields) {
        const size_t nameSize = std::string_view(name).size();
        for (size_t at = text.find(name); at != std::string::npos;
             at = text.find(name, at + value.size()))
            text.replace(at, nameSize, value);
    }
    return text;
}

}  // namespace halvertone
