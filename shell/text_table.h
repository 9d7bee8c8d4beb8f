#pragma once
// Every text the program reads from the language file: section, key and the size of the
// buffer it is read into (a longer text is cut to one character less). A key read in
// several places has one entry per place, since the buffers differ.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "platform/profile_store.h"

namespace halvertone {

enum class TextId : uint8_t {
    kDialogCaptionSearch,  // caption searched for when another instance runs
    kMainWindowCaption,
    kMsgTerminate,         // the exit confirmation; "\n" in the file becomes a line break
    kMenuAboutSystemMenu,  // appended to the main window's system menu only when not empty
    kMenuCalibration,
    kMenuProjectionDistance,
    kMenuAboutTray,
    kMenuExit,
    kConnectTooltips,
    kDisconnectTooltips,
    kCheckEnvNgMessage,
    kMsgCameraNoFind,
    kMsgCameraNo640x480,  // box and tray tip for a camera that cannot deliver 640 x 480 frames
    kAboutCaption,
    kAboutVersion,
    kAboutCopyRight,
    kAboutOkButton,
    kPenTransparency,
    kPenCustomColor,
    kPenCustomLineSize,
    kSupportFileFormat,
    kCustomLineCaption,
    kCustomLineOkButton,
    kCustomLineCancelButton,
    kCheckEnvWaitMessage,
    kMouseModeOkButton,
    kMsgNotice,
    kMsgDistance,
    kDistanceOkButton,
    kDistanceHigh,
    kDistanceMiddle,
    kDistanceLow,
    kProjectionMethodCaption,
    kProjectionDesktop,
    kProjectionCeiling,
    kProjectionOkButton,
    kProjectionCancelButton,
    kCalibrationCorrect,
    kCalibrationRecalibration,
    kCalibrationError,
    kQualityCaption,  // the message box after a calibration: how good it is
    kQualityGood,
    kQualityPoor,
    kQualityHoldStill,
    kQualityTooSmall,
    kQualityCalibrate,
    kQualityNoFit,
    kAboutCalibration,  // the About box's line with the last calibration's figure
    kMenuCamera,        // the tray items of the camera choice and the camera view
    kMenuCameraView,
    kCameraChoiceCaption,
    kCameraChoicePrompt,
    kCameraChoiceLine,   // one listed camera: {name}, {vid}, {pid}
    kCameraChoiceInUse,  // appended to the line of the camera in use
    kCameraChoiceOkButton,
    kCameraChoiceCancelButton,
    kCameraViewCaption,
    kCameraViewFigures,  // {fps}, {lost}, {ms}, {tracked}
    kCameraViewNoPicture,
    kCount
};

struct TextEntry {
    TextId id;
    const char* section;
    const char* key;
    uint16_t bufferChars;
};

std::span<const TextEntry> AllTextEntries();
const TextEntry& TextEntryFor(TextId id);

// Reads the text as its window does: empty when the key is missing, cut to the buffer.
std::string ReadText(ProfileStore& languageFile, TextId id);

// Every backslash followed by 'n' becomes carriage return + line feed.
std::string ExpandLineBreaks(std::string_view text);

using TextField = std::pair<const char*, std::string>;
// Every "{name}" of `fields` in `text` replaced by its value.
std::string FillFields(std::string text, std::initializer_list<TextField> fields);

}  // namespace halvertone
