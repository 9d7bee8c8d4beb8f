#include "capture/win32/capture_graph.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "capture/device_path_match.h"
#include "capture/win32/capture_format_request.h"
#include "capture/win32/grabber_callback.h"
#include "capture/win32/video_devices.h"
#include "platform/win32/start_program.h"

// The sample grabber and null renderer of qedit.dll; the ids live in libstrmiids.
extern "C" const CLSID CLSID_SampleGrabber;
extern "C" const CLSID CLSID_NullRenderer;

namespace halvertone {
namespace {

// The language file's text is read into a buffer of 400 characters.
constexpr size_t kNoFindChars = 399;

void ShowErrorBox(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), kCaptureErrorCaption, kCaptureErrorFlags);
}

// Registers qedit.dll from the system directory, hidden, without waiting for it.
void RegisterQedit() {
    char dir[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryA(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    // By its full path: a bare name would be searched for in the current folder first.
    char cmd[2 * MAX_PATH + 64];
    std::snprintf(cmd, sizeof cmd, "\"%s\\regsvr32.exe\" /s \"%s\\qedit.dll\"", dir, dir);
    win32::StartProgram(cmd, SW_HIDE);
}

}  // namespace

CaptureGraph::CaptureGraph() : errorSink_(ShowErrorBox) {}

CaptureGraph::~CaptureGraph() {
    ReleaseAll();
    if (comInitialised_) CoUninitialize();
}

void CaptureGraph::TearDown() {
    if (graph_) {
        ComPtr<IMediaControl> control;
        if (SUCCEEDED(graph_->QueryInterface(IID_IMediaControl, PutVoid(control)))) control->Stop();
        // The video window must leave its owner before the owner window can be destroyed.
        ComPtr<IVideoWindow> video;
        if (SUCCEEDED(graph_->QueryInterface(IID_IVideoWindow, PutVoid(video)))) {
            video->put_Visible(OAFALSE);
            video->put_Owner(0);
        }
    }
    grabber_.Reset();
    graph_.Reset();
}

void CaptureGraph::ReleaseAll() {
    TearDown();
    device_.Reset();
}

HRESULT CaptureGraph::Fail(bool showErrors, const std::string& text, HRESULT code) {
    if (showErrors && errorSink_) errorSink_(text);
    return code;
}

HRESULT CaptureGraph::FindDevice(const CameraIds& ids) {
    // Once per graph, however often a reconnect looks for the device; undone on destruction.
    if (!comInitialised_)
        comInitialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    const VideoDeviceList list = EnumerateVideoDevices();
    if (list.outcome == VideoDeviceList::Outcome::kNoEnumerator) return S_OK;
    if (list.outcome == VideoDeviceList::Outcome::kNoDevice) return S_FALSE;
    std::vector<std::string> paths;
    for (const VideoDevice& d : list.devices) paths.push_back(d.path);
    const std::optional<size_t> chosen = ChooseCaptureDevice(paths, ids.vid, ids.pid);
    // The old device is let go before the new one is bound, so a camera is never opened twice;
    // one that is no longer listed (unplugged) is not built into the graph again.
    device_.Reset();
    if (!chosen) return S_OK;
    list.devices[*chosen].moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                                PutVoid(device_));
    return S_OK;
}

HRESULT CaptureGraph::CreateGrabber() {
    HRESULT hr = CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_ISampleGrabber, PutVoid(grabber_));
    if (FAILED(hr)) {
        RegisterQedit();
        hr = CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ISampleGrabber, PutVoid(grabber_));
    }
    if (FAILED(hr)) grabber_.Reset();
    return hr;
}

void CaptureGraph::PlacePreview(IVideoWindow* video, HWND preview) {
    if (preview == nullptr) {
        // Without a window to own it the video would open as a top-level window of its own.
        video->put_AutoShow(OAFALSE);
        video->put_Visible(OAFALSE);
        return;
    }
    RECT r{};
    GetClientRect(preview, &r);
    video->put_Owner(reinterpret_cast<OAHWND>(preview));
    video->put_Left(0);
    video->put_Top(0);
    video->put_Width(r.right - r.left);
    video->put_Height(r.bottom - r.top);
    video->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS);
    video->put_Visible(OATRUE);
}

HRESULT CaptureGraph::Build(bool showErrors, const CameraIds& ids, const std::string& noFindText,
                            HWND preview) {
    lastResult_ = BuildGraph(showErrors, ids, noFindText, preview);
    return lastResult_;
}

HRESULT CaptureGraph::BuildGraph(bool showErrors, const CameraIds& ids,
                                 const std::string& noFindText, HWND preview) {
    TearDown();
    // Look for the camera before making a graph: a camera that stays away is retried every
    // few seconds, and Wine keeps a handle of every filter graph made and released.
    if (ids.count != 0 && FindDevice(ids) == S_FALSE) {
        std::fputs("There are no VideoInputDevice devices available\n", stdout);
        std::fflush(stdout);
        return 1;
    }
    if (device_ == nullptr) {
        if (showErrors && errorSink_) errorSink_(noFindText.substr(0, kNoFindChars));
        return E_FAIL;
    }
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_ALL, IID_IGraphBuilder,
                                PutVoid(graph_)))) {
        graph_.Reset();
        return Fail(showErrors, "Could not create filter graph", E_FAIL);
    }

    HRESULT hr = graph_->AddFilter(device_.Get(), L"Cap");
    if (FAILED(hr)) return Fail(showErrors, "Could not put capture device in graph", E_FAIL);

    hr = CreateGrabber();
    if (FAILED(hr))
        return Fail(showErrors, "Could not create SampleGrabber (is qedit.dll registered?)", hr);

    AM_MEDIA_TYPE want{};
    want.majortype = MEDIATYPE_Video;
    want.subtype = MEDIASUBTYPE_RGB24;
    hr = grabber_->SetMediaType(&want);
    if (FAILED(hr)) return Fail(showErrors, "Could not set media type", hr);

    ComPtr<IBaseFilter> grabberFilter;
    hr = grabber_->QueryInterface(IID_IBaseFilter, PutVoid(grabberFilter));
    if (SUCCEEDED(hr)) hr = graph_->AddFilter(grabberFilter.Get(), L"Grabber");
    if (FAILED(hr)) return Fail(showErrors, "Could not put sample grabber in graph", hr);

    ComPtr<ICaptureGraphBuilder2> builder;
    hr = CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER,
                          IID_ICaptureGraphBuilder2, PutVoid(builder));
    if (FAILED(hr)) return Fail(showErrors, "Can't get a ICaptureGraphBuilder2 reference", hr);
    hr = builder->SetFiltergraph(graph_.Get());
    if (FAILED(hr)) return Fail(showErrors, "SetGraph failed", hr);

    // The rest of the program works on 640 x 480 frames only: ask for them before connecting.
    if (RequestRequiredFormat(builder.Get(), device_.Get()) == FormatRequest::kNotOffered)
        return Fail(showErrors, wrongSizeText_, kWrongFrameSize);

    ComPtr<IBaseFilter> nullRenderer;
    ComPtr<IPin> videoPort;
    if (builder->FindPin(device_.Get(), PINDIR_OUTPUT, &PIN_CATEGORY_VIDEOPORT, nullptr, FALSE, 0,
                         videoPort.ReleaseAndGetAddressOf()) == S_OK) {
        if (FAILED(CoCreateInstance(CLSID_NullRenderer, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IBaseFilter, PutVoid(nullRenderer))))
            return Fail(showErrors, "Unable to make a NULL renderer", E_FAIL);
        hr = graph_->AddFilter(nullRenderer.Get(), L"NULL renderer");
        if (FAILED(hr)) return Fail(showErrors, "Can't add the filter to graph", hr);
    }

    // VFW_S_NOPREVIEWPIN is a success code: the builder split the capture pin itself.
    hr = builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Video, device_.Get(),
                               grabberFilter.Get(), nullRenderer.Get());
    if (FAILED(hr))
        hr = builder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, device_.Get(),
                                   grabberFilter.Get(), nullRenderer.Get());
    if (FAILED(hr)) return Fail(showErrors, "Can't build the graph", hr);

    AM_MEDIA_TYPE mt{};
    hr = grabber_->GetConnectedMediaType(&mt);
    if (FAILED(hr)) return Fail(showErrors, "Could not read the connected media type", hr);
    const FrameSize size = FrameSizeOf(mt);
    width_ = size.width;
    height_ = size.height;
    FreeMediaType(mt);
    // Never run a graph whose frames the trackers could not use: the user would be left with
    // a camera that runs and a pen that is never seen.
    if (!IsRequiredFrameSize(width_, height_))
        return Fail(showErrors, wrongSizeText_, kWrongFrameSize);

    grabber_->SetBufferSamples(FALSE);
    grabber_->SetOneShot(FALSE);
    grabber_->SetCallback(&GrabberCallback::Instance(), 1);

    ComPtr<IVideoWindow> video;
    if (FAILED(graph_->QueryInterface(IID_IVideoWindow, PutVoid(video))))
        return Fail(showErrors, "Could not get video window interface", E_FAIL);
    PlacePreview(video.Get(), preview);

    ComPtr<IMediaControl> control;
    hr = graph_->QueryInterface(IID_IMediaControl, PutVoid(control));
    if (SUCCEEDED(hr)) hr = control->Run();
    if (FAILED(hr)) return Fail(showErrors, "Could not run graph", hr);
    return 0;
}

}  // namespace halvertone
