#include "tests/real_windows/x_screen.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct TConnection {
  xcb_connection_t* c = nullptr;
  xcb_window_t root = 0;
  TConnection() {
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return;
    root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  }
  ~TConnection() { xcb_disconnect(c); }
  TConnection(const TConnection&) = delete;
  TConnection& operator=(const TConnection&) = delete;
  bool Ok() const { return !xcb_connection_has_error(c) && root != 0; }

  std::vector<uint32_t> Pixels(const TRect& a) const {
    xcb_get_image_cookie_t cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(a.Left),
                                                  static_cast<int16_t>(a.Top), static_cast<uint16_t>(a.Width()),
                                                  static_cast<uint16_t>(a.Height()), ~0u);
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(xcb_get_image_reply(c, cookie, nullptr), &std::free);
    const size_t count = static_cast<size_t>(a.Width()) * static_cast<size_t>(a.Height());
    // A 24-bit screen hands out 32 bits a pixel.
    if (!reply || static_cast<size_t>(xcb_get_image_data_length(reply.get())) < count * 4) return {};
    std::vector<uint32_t> pixels(count);
    std::memcpy(pixels.data(), xcb_get_image_data(reply.get()), count * 4);
    for (uint32_t& p : pixels) p &= 0xFFFFFFu;
    return pixels;
  }

  xcb_atom_t Atom(const std::string& name) const {
    xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.c_str());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  }
};

}  // namespace

std::vector<uint32_t> ScreenPixels(const TRect& area) {
  TConnection x;
  return x.Ok() ? x.Pixels(area) : std::vector<uint32_t>{};
}

bool RequestClose(uintptr_t xWindow) {
  TConnection x;
  if (!x.Ok()) return false;
  xcb_client_message_event_t e{};
  e.response_type = XCB_CLIENT_MESSAGE;
  e.format = 32;
  e.window = static_cast<xcb_window_t>(xWindow);
  e.type = x.Atom("WM_PROTOCOLS");
  e.data.data32[0] = x.Atom("WM_DELETE_WINDOW");
  e.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(x.c, 0, e.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
  // A round trip: the request has reached the server.
  std::free(xcb_get_input_focus_reply(x.c, xcb_get_input_focus(x.c), nullptr));
  return x.Ok();
}

TScreenSampler::TScreenSampler(const TRect& area) : area_(area), thread_([this] { Run(); }) {}

TScreenSampler::~TScreenSampler() { Stop(); }

void TScreenSampler::Run() {
  TConnection x;
  while (x.Ok() && !stop_) {
    std::vector<uint32_t> now = x.Pixels(area_);
    ++reads_;
    if (!now.empty() && (seen_.empty() || seen_.back() != now)) seen_.push_back(std::move(now));
  }
}

const std::vector<std::vector<uint32_t>>& TScreenSampler::Stop() {
  if (thread_.joinable()) {
    const int before = reads_;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (reads_ < before + 2 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
    stop_ = true;
    thread_.join();
  }
  return seen_;
}
