#include "values_body.h"

#include <nlohmann/json.hpp>

namespace radarctl::serve {
namespace {

using json = nlohmann::json;

// One element of the values array: its text as sent, and its value when it
// is an integer that 64 bits hold.
struct Sent {
    std::optional<int64_t> integer;
    std::string text;
    bool number = false;
};

// Walks the body once, keeping the top-level "values" array's elements.
class Reader : public nlohmann::json_sax<json> {
  public:
    bool object = false;        // the body is an object
    bool values_array = false;  // ... with a "values" array
    std::vector<Sent> values;
    std::optional<std::string> failed_at;  // the token the parse stopped at
    bool overflow = false;                 // ... a number beyond a double's range
    bool failed_in_values = false;

    bool null() override { return value({std::nullopt, "null"}); }
    bool boolean(bool v) override { return value({std::nullopt, v ? "true" : "false"}); }
    bool number_integer(number_integer_t v) override { return value({v, std::to_string(v), true}); }
    bool number_unsigned(number_unsigned_t v) override {
        const bool fits = v <= static_cast<number_unsigned_t>(INT64_MAX);
        return value({fits ? std::optional<int64_t>(static_cast<int64_t>(v)) : std::nullopt, std::to_string(v), true});
    }
    bool number_float(number_float_t, const string_t &text) override { return value({std::nullopt, text, true}); }
    bool string(string_t &v) override { return value({std::nullopt, json(v).dump()}); }
    bool binary(binary_t &) override { return value({std::nullopt, "binary"}); }

    bool start_object(std::size_t) override {
        if (depth_ == 0) object = true;
        value({std::nullopt, "an object"});
        ++depth_;
        return true;
    }
    bool end_object() override {
        --depth_;
        return true;
    }
    bool key(string_t &k) override {
        if (depth_ == 1) key_ = k;
        return true;
    }
    bool start_array(std::size_t) override {
        if (depth_ == 1 && key_ == "values") {
            values_array = in_values_ = true;
            values.clear();
        } else {
            value({std::nullopt, "an array"});
        }
        ++depth_;
        return true;
    }
    bool end_array() override {
        if (--depth_ == 1) in_values_ = false;
        return true;
    }
    bool parse_error(std::size_t, const std::string &token, const nlohmann::detail::exception &e) override {
        failed_at = token;
        overflow = e.id == 406;
        failed_in_values = in_values_ && depth_ == 2;
        return false;
    }

  private:
    // Any value as it begins: an element when it stands in the values array;
    // under the "values" key itself, anything but an array means there is none.
    bool value(Sent v) {
        if (depth_ == 2 && in_values_) values.push_back(std::move(v));
        if (depth_ == 1 && key_ == "values") values_array = false;
        return true;
    }

    int depth_ = 0;
    bool in_values_ = false;
    std::string key_;
};

std::string range_of(const Group &g, std::size_t i) {
    return std::to_string(g.min(i)) + "-" + std::to_string(g.max(i));
}

// A token as JSON text, cut short; bytes that are not UTF-8 are replaced.
std::string as_json_text(const std::string &token) {
    constexpr std::size_t longest = 40;
    return json(token.substr(0, longest)).dump(-1, ' ', false, json::error_handler_t::replace);
}

bool integer_text(const std::string &t) {
    const std::size_t digits = t.starts_with('-') ? 1 : 0;
    return t.size() > digits && t.find_first_not_of("0123456789", digits) == std::string::npos;
}

}  // namespace

std::optional<std::string> read_values(const std::string &body, const Group &group, std::vector<int64_t> &values) {
    Reader r;
    json::sax_parse(body, &r);
    const std::size_t at = r.values.size();  // the element the parse stopped at, if in the values
    if (r.failed_at && r.overflow && r.failed_in_values && at < group.fields.size())
        return std::string(group.fields[at].name) + ": " + *r.failed_at + " is outside " + range_of(group, at);
    if (r.failed_at && r.overflow) return "the body holds " + *r.failed_at + ", a number no field holds";
    if (r.failed_at) return "the body is not JSON (it stops at " + as_json_text(*r.failed_at) + ")";
    if (!r.object) return std::string("the body is not a JSON object");
    if (!r.values_array) return std::string("the body has no \"values\" array");
    if (r.values.size() != group.fields.size())
        return std::string(group.stem) + " takes " + std::to_string(group.fields.size()) + " values, not " +
               std::to_string(r.values.size());
    values.assign(group.fields.size(), 0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Sent &v = r.values[i];
        const std::string name = group.fields[i].name;
        if (v.integer) {
            values[i] = *v.integer;
        } else if (v.number && integer_text(v.text)) {
            return name + ": " + v.text + " is outside " + range_of(group, i);
        } else {
            return name + ": an integer is needed, from " + std::to_string(group.min(i)) + " to " +
                   std::to_string(group.max(i)) + ", not " + v.text;
        }
    }
    return check_values(group, values);
}

}  // namespace radarctl::serve
