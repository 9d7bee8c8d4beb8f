#pragma once
// The camera's DirectShow graph: the matching video input device through a sample grabber
// fixed to 24-bit RGB, the preview inside a window of ours, the grabber callback feeding the
// frame ring. One operation builds it, for the first start (with messages) and for every
// reconnect (silently); each build replaces the previous graph.
#include <windows.h>
// windows.h first
#include <dshow.h>
#include <qedit.h>

#include <functional>
#include <string>

#include "capture/camera_ids.h"
#include "capture/win32/com_ptr.h"

namespace halvertone {

// Caption and flags of the camera failure boxes.
inline constexpr char kCaptureErrorCaption[] = "Error!";
inline constexpr UINT kCaptureErrorFlags = MB_SETFOREGROUND | MB_TASKMODAL;

class CaptureGraph {
  public:
    // Shows one failure text; the default is a message box captioned "Error!".
    using ErrorSink = std::function<void(const std::string& text)>;

    CaptureGraph();
    ~CaptureGraph();
    CaptureGraph(const CaptureGraph&) = delete;
    CaptureGraph& operator=(const CaptureGraph&) = delete;

    void SetErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

    // 0 when the graph runs; otherwise the failing HRESULT, E_FAIL, or 1 when the system has
    // no video input device at all. With `showErrors`, every failure is shown through the
    // sink; `noFindText` is the language file's "Msg_Camera_NoFind" text. `preview` is the
    // window the video is placed in (may be null: no preview is shown).
    HRESULT Build(bool showErrors, const CameraIds& ids, const std::string& noFindText,
                  HWND preview);

    // Frame size of the grabber's connected media type (0 before the first successful read).
    int32_t FrameWidth() const { return width_; }
    int32_t FrameHeight() const { return height_; }
    bool GraphCreated() const { return graph_ != nullptr; }
    bool GrabberCreated() const { return grabber_ != nullptr; }
    // The bound camera, for its extension unit (null when none was matched yet).
    IBaseFilter* CaptureDevice() const { return device_.Get(); }

    // Releases the graph manager, the grabber and the capture device.
    void ReleaseAll();

  private:
    HRESULT Fail(bool showErrors, const char* text, HRESULT code);
    // Enumerates the video input devices and binds the last match; S_FALSE when the system
    // has no video input device.
    HRESULT FindDevice(const CameraIds& ids);
    HRESULT CreateGrabber();
    static void PlacePreview(IVideoWindow* video, HWND preview);

    ErrorSink errorSink_;
    bool comInitialised_ = false;  // this graph's CoInitializeEx succeeded
    ComPtr<IGraphBuilder> graph_;
    ComPtr<IBaseFilter> device_;
    ComPtr<ISampleGrabber> grabber_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace halvertone
