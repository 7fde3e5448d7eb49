// The HTTP API: status, schema, settings, display, orders and requests, and
// the viewer's files. Every answer is JSON but the files; every error is
// {"error": "..."} with a 4xx status.
#include <cctype>
#include <chrono>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "bridge.h"
#include "catalogue.h"
#include "controls.h"
#include "palette.h"
#include "radar.h"
#include "radar_tracking.h"
#include "server.h"
#include "ranges.h"
#include "static_files.h"
#include "values_body.h"

namespace radarctl::serve {
namespace {

using json = nlohmann::json;

constexpr int sweeps = 8192, samples = 512;

// The viewer's page may load only its own files and talk only to this
// server, and no other site may frame it (a page that hides the viewer
// under its own buttons).
constexpr const char *content_policy =
    "default-src 'self'; img-src 'self' data:; connect-src 'self'; object-src 'none'; "
    "base-uri 'none'; form-action 'self'; frame-ancestors 'none'";

Response make(http::status status, unsigned version, bool keep_alive, std::string body,
              const char *type = "application/json") {
    Response r{status, version};
    r.set(http::field::server, "radarctl serve");
    r.set(http::field::content_type, type);
    r.set(http::field::access_control_allow_origin, "*");
    r.set(http::field::cache_control, "no-store");
    r.set("Content-Security-Policy", content_policy);
    r.set("X-Frame-Options", "DENY");
    r.set("X-Content-Type-Options", "nosniff");
    r.set("Referrer-Policy", "no-referrer");
    r.keep_alive(keep_alive);
    r.body() = std::move(body);
    return r;
}

Response make(const Request &request, http::status status, std::string body,
              const char *type = "application/json") {
    return make(status, request.version(), request.keep_alive(), std::move(body), type);
}

Response error(const Request &request, http::status status, const std::string &why) {
    return error_response(status, request.version(), request.keep_alive(), why);
}

json rgb(Rgb c) { return json::array({c.r, c.g, c.b}); }

json schema() {
    json list = json::array();
    for (const Group *g : groups()) {
        json fields = json::array();
        for (std::size_t i = 0; i < g->fields.size(); ++i)
            fields.push_back({{"name", g->fields[i].name},
                              {"type", type_name(g->put.types[i])},
                              {"min", g->min(i)},
                              {"max", g->max(i)}});
        json group = {{"stem", g->stem}, {"code", g->code}, {"title", g->title},
                      {"fields", fields}, {"values", g->values}};
        if (g->wire != g->code) group["sent_as"] = g->wire;
        if (g->selector.name != nullptr) {
            json values = json::array();
            for (int64_t s = g->selector.first; s <= g->selector.last; ++s) values.push_back(s);
            group["selector"] = {{"name", g->selector.name}, {"values", values}};
        }
        list.push_back(group);
    }
    return {{"groups", list}};
}

json settings() {
    json all = json::object();
    for (const Group *g : groups())
        for (const Reading &r : read_group(*g)) all[r.key] = {{"code", g->code}, {"values", r.values}};
    return all;
}

json display() {
    json palette = json::array();
    for (int level = 0; level < 16; ++level) palette.push_back(rgb(level_colour(static_cast<uint8_t>(level))));
    json ranges = json::array();
    for (int step = 0; step < range_steps; ++step) ranges.push_back(range_for_scale_code(static_cast<uint8_t>(step)));
    const PictureColours c = picture_colours();
    return {{"palette", palette}, {"background", rgb(c.outside)}, {"ring", rgb(c.ring)},
            {"heading", rgb(c.heading)}, {"ranges_nm", ranges}, {"sweeps", sweeps},
            {"samples", samples}};
}

// Compared whole, in time that does not depend on where they differ.
bool same_token(std::string_view given, const std::string &token) {
    unsigned char differ = given.size() == token.size() ? 0 : 1;
    for (std::size_t i = 0; i < token.size(); ++i)
        differ |= static_cast<unsigned char>((i < given.size() ? given[i] : 0) ^ token[i]);
    return differ == 0;
}

bool authorised(std::string_view value, const std::string &token) {
    // The scheme's name is matched without regard to case, as HTTP has it.
    constexpr std::string_view bearer = "bearer ";
    if (value.size() < bearer.size()) return false;
    for (std::size_t i = 0; i < bearer.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(value[i])) != bearer[i]) return false;
    return same_token(value.substr(bearer.size()), token);
}

// Whether a change may go ahead: nothing, or the answer that refuses it. An
// address that has sent too many wrong tokens waits (429) before any token
// of it is looked at, the right one too: otherwise the wait would not slow
// a guesser down.
std::optional<Response> refusal(const Request &request, Context &context, const Address &peer) {
    const auto now = Tries::Clock::now();
    if (const auto wait = context.tries.wait(peer, now); wait.count() > 0) {
        Response r = error(request, http::status::too_many_requests,
                           "too many wrong tokens from " + peer.to_string() + ": try again in " +
                               std::to_string(wait.count()) + " s");
        r.set(http::field::retry_after, std::to_string(wait.count()));
        return r;
    }
    const auto found = request.find(http::field::authorization);
    const bool given = found != request.end();
    if (given && authorised(found->value(), context.options.token)) {
        context.tries.succeeded(peer);
        return std::nullopt;
    }
    // No token at all is no guess; a wrong one is counted and logged.
    if (given) {
        int in_a_row = 0;
        const auto wait = context.tries.failed(peer, now, in_a_row);
        std::fprintf(stderr, "radarctl serve: wrong token from %s (%d in a row)", peer.to_string().c_str(), in_a_row);
        if (wait.count() > 0) std::fprintf(stderr, "; its changes wait %lld s", static_cast<long long>(wait.count()));
        std::fputc('\n', stderr);
    }
    return error(request, http::status::unauthorized, "a valid \"Authorization: Bearer TOKEN\" is needed");
}

// POST /api/settings/STEM (kind S) and /api/request/STEM (kind R).
Response order(const Request &request, Context &context, const Address &peer, std::string_view stem,
               uint16_t kind) {
    if (auto refused = refusal(request, context, peer)) return std::move(*refused);
    const Group *group = find_group(stem);
    if (group == nullptr) return error(request, http::status::not_found, "no group " + std::string(stem));
    std::vector<int64_t> values(group->fields.size(), 0);
    const bool body_needed = kind == RADAR_KIND_ORDER;
    if (body_needed || !request.body().empty()) {
        if (const auto why = read_values(request.body(), *group, values))
            return error(request, http::status::bad_request, *why);
    } else if (!group->fields.empty()) {
        // A request without a body asks with the values the record holds.
        values = read_group(*group).front().values;
        if (group->selector.name != nullptr) values.insert(values.begin(), group->selector.first);
        values.resize(group->fields.size());
    }
    const int16_t status = group->put.call(kind, values.data());
    return make(request, http::status::ok, json{{"status", status}}.dump());
}

// A decimal id of at most 18 digits.
std::optional<uint64_t> id_of(std::string_view id) {
    if (id.empty() || id.size() > 18 || id.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return std::stoull(std::string(id));
}

// POST /api/alarms/ID/ack.
Response acknowledge(const Request &request, Context &context, const Address &peer, std::string_view id) {
    if (auto refused = refusal(request, context, peer)) return std::move(*refused);
    const std::optional<uint64_t> number = id_of(id);
    const Alarm *alarm = number ? context.alarms.find(*number) : nullptr;
    if (alarm == nullptr) return error(request, http::status::not_found, "no alarm " + std::string(id) + " is up");
    const std::string kind = alarm->kind, subject = alarm->subject;
    context.alarms.acknowledge(*number);
    context.targets.acknowledged(kind, subject);
    return make(request, http::status::ok, json{{"id", *number}, {"acknowledged", true}}.dump());
}

// A number in an order's body, within its range; why not, when it is not.
std::optional<std::string> read_number(const json &body, const char *name, double least, double most,
                                       double &value) {
    const auto found = body.find(name);
    if (found == body.end() || !found->is_number())
        return std::string(name) + ": a number is needed";
    value = found->get<double>();
    if (!(value >= least && value <= most))
        return std::string(name) + ": " + found->dump() + " is outside " + json(least).dump() + "-" +
               json(most).dump();
    return std::nullopt;
}

// POST /api/targets: {"range_nm", "bearing_deg"} acquires the echo nearest
// that point.
Response acquire(const Request &request, Context &context, const Address &peer) {
    if (auto refused = refusal(request, context, peer)) return std::move(*refused);
    const json body = json::parse(request.body(), nullptr, false);
    if (!body.is_object()) return error(request, http::status::bad_request, "the body must be a JSON object");
    double range = 0, bearing = 0;
    if (auto why = read_number(body, "range_nm", 0, 96, range)) return error(request, http::status::bad_request, *why);
    if (auto why = read_number(body, "bearing_deg", 0, 360, bearing))
        return error(request, http::status::bad_request, *why);
    uint32_t id = 0;
    switch (context.targets.acquire(range, bearing == 360 ? 0 : bearing, id)) {
        case RADARTRACK_OK: return make(request, http::status::ok, json{{"id", id}}.dump());
        case RADARTRACK_NOT_FOUND: return error(request, http::status::not_found, "no echo there");
        case RADARTRACK_FULL:
            return error(request, http::status::conflict,
                         "every one of the " + std::to_string(RADARTRACK_MAX_TARGETS) +
                             " target places is taken: cancel a target first");
        default: return error(request, http::status::bad_request, "no target can be acquired there");
    }
}

// DELETE /api/targets (all) and /api/targets/ID.
Response cancel(const Request &request, Context &context, const Address &peer, std::optional<std::string_view> id) {
    if (auto refused = refusal(request, context, peer)) return std::move(*refused);
    if (!id) return make(request, http::status::ok, json{{"cancelled", context.targets.cancel_all()}}.dump());
    const std::optional<uint64_t> number = id_of(*id);
    if (!number || *number > UINT32_MAX || !context.targets.cancel(static_cast<uint32_t>(*number)))
        return error(request, http::status::not_found, "no target " + std::string(*id));
    return make(request, http::status::ok, json{{"cancelled", 1}}.dump());
}

// PUT /api/controls/ID: a control set in its own units, sent as the group's order.
Response set_control(const Request &request, Context &context, const Address &peer, std::string_view id) {
    if (auto refused = refusal(request, context, peer)) return std::move(*refused);
    const Control *control = find_control(id);
    if (control == nullptr) return error(request, http::status::not_found, "no control " + std::string(id));
    const json body = json::parse(request.body(), nullptr, false);
    const ControlOrder order = order_for(*control, body);
    if (!order.error.empty()) return error(request, http::status::bad_request, order.error);
    if (order.held != ServerValue::none) {
        // A value the server holds changes now; viewers hear of it as of the radar's changes.
        json event = {{"type", "controls"}, {"values", apply_held(order)}};
        context.hub.broadcast(std::make_shared<const std::string>(event.dump()), false, 0);
        return make(request, http::status::ok, json{{"status", RADAR_OK}}.dump());
    }
    const int16_t status = order.group->put.call(RADAR_KIND_ORDER, order.values.data());
    return make(request, http::status::ok, json{{"status", status}}.dump());
}

// POST /api/trial (a plan) and DELETE /api/trial. No token: a trial changes
// nothing on the radar, and every viewer sees that it is on.
Response trial(const Request &request, Context &context) {
    if (request.method() == http::verb::delete_)
        return make(request, http::status::ok, context.targets.end_trial().dump());
    if (request.method() != http::verb::post)
        return error(request, http::status::method_not_allowed, "POST or DELETE only");
    std::string why;
    const std::optional<TrialPlan> plan = read_trial(request.body(), why);
    if (!plan) return error(request, http::status::bad_request, why);
    const json answer = context.targets.start_trial(*plan, std::chrono::steady_clock::now());
    return make(request, http::status::ok, answer.dump());
}

}  // namespace

Response error_response(http::status status, unsigned version, bool keep_alive, const std::string &why) {
    return make(status, version, keep_alive,
                json{{"error", why}}.dump(-1, ' ', false, json::error_handler_t::replace));
}

std::string_view path_of(std::string_view target) { return target.substr(0, target.find('?')); }

// Whether the query of a request's target holds a parameter, as "history=1".
bool query_has(std::string_view target, std::string_view parameter) {
    const std::size_t mark = target.find('?');
    if (mark == std::string_view::npos) return false;
    std::string_view query = target.substr(mark + 1);
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        if (query.substr(0, amp) == parameter) return true;
        if (amp == std::string_view::npos) break;
        query.remove_prefix(amp + 1);
    }
    return false;
}

std::string status_json(Context &context) {
    char version[16] = {};
    OrvaneGetRadarDllVersionNo(version);
    const Bridge &b = Bridge::instance();
    json status = {{"version", version},
                   {"source", context.options.source},
                   {"source_status", OrvaneGetRadarSourceStatus()},
                   {"lines_received", b.lines_received()},
                   {"lines_sent", context.hub.counters.lines_sent},
                   {"lines_dropped", context.hub.counters.lines_dropped + b.lines_dropped()},
                   {"clients", context.hub.clients()},
                   {"playback_ended", b.playback_at_end()}};
    status["tracking"] = context.targets.status();
    status["tracking"]["own_source"] = context.own.source_name(std::chrono::steady_clock::now());
    EchoWatch::describe(status, std::chrono::steady_clock::now(), b.last_line());
    status["range_mismatch"] = context.echo.range_mismatch(std::chrono::steady_clock::now());
    return status.dump();
}

json targets_json(Context &context) {
    const auto now = std::chrono::steady_clock::now();
    json body = context.targets.describe(now);
    body["own"] = context.own.describe(now);
    body["own"]["nmea"] = context.nmea != nullptr ? context.nmea->describe() : json(nullptr);
    return body;
}

// The setting events of every group `wanted` picks, one per reading.
template <class Wanted>
std::vector<std::string> events_of(Wanted wanted) {
    std::vector<std::string> events;
    for (const Group *g : groups()) {
        if (!wanted(*g)) continue;
        for (const Reading &r : read_group(*g))
            events.push_back(json{{"type", "setting"}, {"stem", r.key}, {"code", g->code}, {"values", r.values}}.dump());
    }
    return events;
}

std::vector<std::string> setting_events() {
    std::vector<std::string> events = events_of([](const Group &) { return true; });
    events.push_back(json{{"type", "controls"}, {"values", control_values()}}.dump());
    return events;
}

std::vector<std::string> setting_events_for(int32_t code) {
    std::vector<std::string> events =
        events_of([code](const Group &g) { return g.wire == code || g.code == code; });
    if (json values = control_values_for(code); !values.empty())
        events.push_back(json{{"type", "controls"}, {"values", std::move(values)}}.dump());
    return events;
}

Response answer(const Request &request, Context &context, const Address &peer) {
    const std::string_view path = path_of(request.target());
    const auto method = request.method();
    if (method == http::verb::options) {
        Response r = make(request, http::status::no_content, "");
        r.set(http::field::access_control_allow_methods, "GET, POST, PUT, DELETE, OPTIONS");
        r.set(http::field::access_control_allow_headers, "Authorization, Content-Type");
        return r;
    }
    constexpr std::string_view settings_prefix = "/api/settings/", request_prefix = "/api/request/";
    const bool is_order = path.starts_with(settings_prefix) || path.starts_with(request_prefix);
    if (is_order) {
        if (method != http::verb::post) return error(request, http::status::method_not_allowed, "POST only");
        return path.starts_with(settings_prefix)
                   ? order(request, context, peer, path.substr(settings_prefix.size()), RADAR_KIND_ORDER)
                   : order(request, context, peer, path.substr(request_prefix.size()), RADAR_KIND_REQUEST);
    }
    constexpr std::string_view targets_path = "/api/targets", target_prefix = "/api/targets/";
    if (path == targets_path) {
        if (method == http::verb::post) return acquire(request, context, peer);
        if (method == http::verb::delete_) return cancel(request, context, peer, std::nullopt);
        if (method == http::verb::get) return make(request, http::status::ok, targets_json(context).dump());
        return error(request, http::status::method_not_allowed, "GET, POST or DELETE only");
    }
    if (path.starts_with(target_prefix) && path.size() > target_prefix.size()) {
        if (method != http::verb::delete_) return error(request, http::status::method_not_allowed, "DELETE only");
        return cancel(request, context, peer, path.substr(target_prefix.size()));
    }
    if (path == "/api/trial") return trial(request, context);
    constexpr std::string_view control_prefix = "/api/controls/";
    if (path.starts_with(control_prefix) && path != "/api/controls/values") {
        if (method != http::verb::put) return error(request, http::status::method_not_allowed, "PUT only");
        return set_control(request, context, peer, path.substr(control_prefix.size()));
    }
    constexpr std::string_view alarms_prefix = "/api/alarms/", ack_suffix = "/ack";
    if (path.starts_with(alarms_prefix) && path.ends_with(ack_suffix) &&
        path.size() > alarms_prefix.size() + ack_suffix.size()) {
        if (method != http::verb::post) return error(request, http::status::method_not_allowed, "POST only");
        return acknowledge(request, context, peer,
                           path.substr(alarms_prefix.size(), path.size() - alarms_prefix.size() - ack_suffix.size()));
    }
    const bool known = path == "/api/status" || path == "/api/schema" || path == "/api/settings" ||
                       path == "/api/display" || path == "/api/alarms" || path == "/api/controls" ||
                       path == "/api/controls/values" || path == "/ws" ||
                       find_file(path) != nullptr;
    if (!known) return error(request, http::status::not_found, "nothing at " + std::string(path));
    if (method != http::verb::get)
        return error(request, http::status::method_not_allowed, "GET only");
    if (path == "/api/status") return make(request, http::status::ok, status_json(context));
    if (path == "/api/schema") return make(request, http::status::ok, schema().dump());
    if (path == "/api/settings") return make(request, http::status::ok, settings().dump());
    if (path == "/api/display") return make(request, http::status::ok, display().dump());
    if (path == "/api/controls") return make(request, http::status::ok, controls_json().dump());
    if (path == "/api/controls/values") return make(request, http::status::ok, control_values().dump());
    if (path == "/api/alarms") {
        const bool history = query_has(request.target(), "history=1");
        return make(request, http::status::ok,
                    (history ? context.alarms.history() : context.alarms.list()).dump());
    }
    if (path == "/ws") return error(request, http::status::bad_request, "a WebSocket upgrade is needed");
    const StaticFile *file = find_file(path);
    return make(request, http::status::ok, std::string(file->data, file->size), file->type);
}

}  // namespace radarctl::serve
