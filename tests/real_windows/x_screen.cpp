#include "tests/real_windows/x_screen.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
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

TRect ScreenBounds(uintptr_t xWindow) {
  const TRect unknown = Bounds(-32000, -32000, 0, 0);
  TConnection x;
  if (!x.Ok()) return unknown;
  const auto window = static_cast<xcb_window_t>(xWindow);
  std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> origin(
      xcb_translate_coordinates_reply(x.c, xcb_translate_coordinates(x.c, window, x.root, 0, 0), nullptr), &std::free);
  std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
      xcb_get_geometry_reply(x.c, xcb_get_geometry(x.c, window), nullptr), &std::free);
  if (!origin || !geometry) return unknown;
  return Bounds(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
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

struct TDamageCounter::TReports {
  TConnection x;
  uint8_t notify = 0;  // the event code of a damage report
  bool ok = false;
  std::vector<TRect> areas;
};

TDamageCounter::TDamageCounter(uintptr_t xWindow) : reports_(std::make_unique<TReports>()) {
  TReports& r = *reports_;
  if (!r.x.Ok()) return;
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(r.x.c, &xcb_damage_id);
  if (!damage || !damage->present) return;
  r.notify = static_cast<uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY);
  // The server speaks the extension only to a client that said which version it knows.
  std::free(xcb_damage_query_version_reply(r.x.c, xcb_damage_query_version(r.x.c, 1, 1), nullptr));
  // Every drawing request on the window is reported, each with its own rectangle.
  const xcb_void_cookie_t created = xcb_damage_create_checked(
      r.x.c, xcb_generate_id(r.x.c), static_cast<xcb_window_t>(xWindow), XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
  xcb_generic_error_t* error = xcb_request_check(r.x.c, created);
  r.ok = error == nullptr;
  std::free(error);
}

TDamageCounter::~TDamageCounter() = default;

bool TDamageCounter::Ok() const { return reports_->ok; }

const std::vector<TRect>& TDamageCounter::Reported() {
  TReports& r = *reports_;
  while (xcb_generic_event_t* event = xcb_poll_for_event(r.x.c)) {
    if ((event->response_type & 0x7F) == r.notify) {
      const xcb_rectangle_t& a = reinterpret_cast<xcb_damage_notify_event_t*>(event)->area;
      r.areas.push_back(Bounds(a.x, a.y, a.width, a.height));
    }
    std::free(event);
  }
  return r.areas;
}

int TDamageCounter::Count(const TRect& area) {
  const std::vector<TRect>& seen = Reported();
  TRect common;
  return static_cast<int>(
      std::count_if(seen.begin(), seen.end(), [&](const TRect& a) { return IntersectRect(common, a, area); }));
}

int TDamageCounter::CountWithin(const TRect& area) {
  const std::vector<TRect>& seen = Reported();
  TRect common;
  return static_cast<int>(std::count_if(seen.begin(), seen.end(), [&](const TRect& a) {
    return IntersectRect(common, a, area) && common == a;
  }));
}
