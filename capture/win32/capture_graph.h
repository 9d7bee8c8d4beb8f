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

// Build's result for a camera that cannot deliver 640 x 480 frames.
inline constexpr HRESULT kWrongFrameSize = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0640);

class CaptureGraph {
  public:
    // Shows one failure text; the default is a message box captioned "Error!".
    using ErrorSink = std::function<void(const std::string& text)>;

    CaptureGraph();
    ~CaptureGraph();
    CaptureGraph(const CaptureGraph&) = delete;
    CaptureGraph& operator=(const CaptureGraph&) = delete;

    void SetErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }
    // The language file's text for a camera that cannot deliver 640 x 480 frames.
    void SetWrongSizeText(std::string text) { wrongSizeText_ = std::move(text); }

    // 0 when the graph runs; otherwise the failing HRESULT, E_FAIL, kWrongFrameSize, or 1 when
    // the system has no video input device at all. With `showErrors`, every failure is shown
    // through the sink; `noFindText` is the language file's "Msg_Camera_NoFind" text.
    // `preview` is the window the video is placed in (may be null: no preview is shown).
    // The camera is asked for 640 x 480 before it is connected; a graph that would deliver
    // another size is not run (kWrongFrameSize). A previous graph is torn down first.
    HRESULT Build(bool showErrors, const CameraIds& ids, const std::string& noFindText,
                  HWND preview);

    // Frame size of the grabber's connected media type (0 before the first successful read).
    int32_t FrameWidth() const { return width_; }
    int32_t FrameHeight() const { return height_; }
    bool GraphCreated() const { return graph_ != nullptr; }
    bool GrabberCreated() const { return grabber_ != nullptr; }
    // The bound camera, for its extension unit (null when none was matched yet).
    IBaseFilter* CaptureDevice() const { return device_.Get(); }

    // The result of the last Build (S_FALSE before the first).
    HRESULT LastResult() const { return lastResult_; }

    // Stops the running graph, takes the video off the preview window and releases the
    // graph and the grabber; the capture device stays for the next build. Stopping waits for
    // the streaming thread to leave the frame callback: let go of the frame ring's producer
    // first.
    void TearDown();
    // Releases the graph manager, the grabber and the capture device.
    void ReleaseAll();

  private:
    HRESULT BuildGraph(bool showErrors, const CameraIds& ids, const std::string& noFindText,
                       HWND preview);
    HRESULT Fail(bool showErrors, const std::string& text, HRESULT code);
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
    std::string wrongSizeText_;
    HRESULT lastResult_ = S_FALSE;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace halvertone
