// One HTTP connection: requests answered in turn until it closes or asks
// for the WebSocket, which then takes the connection over.
#include <boost/asio/dispatch.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <deque>
#include <memory>
#include <optional>

#include "serve_limits.h"
#include "server.h"

namespace radarctl::serve {
namespace {

namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = boost::asio::ip::tcp;
using Clock = std::chrono::steady_clock;

// The largest first read of a request; the parser takes it from there.
constexpr std::size_t first_read = 4096;

class WebSocketSession : public Client, public std::enable_shared_from_this<WebSocketSession> {
  public:
    WebSocketSession(tcp::socket socket, Context &context, std::unique_ptr<Place> place)
        : ws_(std::move(socket)), context_(context), place_(std::move(place)) {}

    void start(Request request) {
        websocket::permessage_deflate deflate;
        deflate.server_enable = true;  // when the client offers it
        deflate.compLevel = 1;         // mostly zeros: the fastest level packs them well
        ws_.set_option(deflate);
        ws_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
        ws_.set_option(websocket::stream_base::decorator([](websocket::response_type &r) {
            r.set(http::field::server, "radarctl serve");
        }));
        ws_.read_message_max(limits::client_message_bytes);
        ws_.async_accept(request, [self = shared_from_this()](beast::error_code ec) {
            if (!ec) self->opened();
        });
    }

    void send(const Frame &frame, bool binary, uint32_t lines) override {
        if (closing_) return;
        if (binary && (queue_.size() >= limits::queue_frames ||
                       queued_bytes_ + frame->size() > limits::queue_bytes)) {
            context_.hub.counters.lines_dropped += lines;
            drops_.push_back({Clock::now(), lines});
            return;
        }
        if (queue_.size() >= limits::queue_frames_hard) return close(websocket::close_code::policy_error);
        queue_.push_back({frame, binary});
        queued_bytes_ += frame->size();
        context_.hub.counters.lines_sent += lines;
        if (queue_.size() == 1) write_next();
    }

    // The status with what this client itself lost lately: another client's
    // losses, or this one's an hour ago, say nothing about its picture now.
    void send_status(const std::string &status) override {
        const auto since = Clock::now() - limits::recent_drops;
        while (!drops_.empty() && drops_.front().first < since) drops_.pop_front();
        uint64_t recent = 0;
        for (const auto &d : drops_) recent += d.second;
        std::string text = status.substr(0, status.rfind('}'));
        text += ", \"client_lines_dropped\": " + std::to_string(recent) + "}";
        send(std::make_shared<const std::string>(std::move(text)), false, 0);
    }

    void close_going_away() override { close(websocket::close_code::going_away); }

    void check_stuck() override {
        if (!queue_.empty() && Clock::now() - write_started_ > limits::stuck_write)
            beast::get_lowest_layer(ws_).socket().close();  // the pending write fails
    }

  private:
    struct Out {
        Frame frame;
        bool binary;
    };

    void opened() {
        context_.hub.join(this);
        joined_ = true;
        for (std::string &event : setting_events())
            send(std::make_shared<const std::string>(std::move(event)), false, 0);
        for (std::string &event : context_.alarms.events())
            send(std::make_shared<const std::string>(std::move(event)), false, 0);
        read_next();
    }

    // What a client sends is read and let go.
    void read_next() {
        ws_.async_read(in_, [self = shared_from_this()](beast::error_code ec, std::size_t) {
            if (ec) return self->leave();
            self->in_.consume(self->in_.size());
            self->read_next();
        });
    }

    void write_next() {
        write_started_ = Clock::now();
        ws_.binary(queue_.front().binary);
        ws_.async_write(boost::asio::buffer(*queue_.front().frame),
                        [self = shared_from_this()](beast::error_code ec, std::size_t) {
                            self->written(ec);
                        });
    }

    void written(beast::error_code ec) {
        queued_bytes_ -= queue_.front().frame->size();
        queue_.pop_front();
        if (ec) {
            queue_.clear();
            queued_bytes_ = 0;
            return leave();
        }
        if (closing_) {
            if (queue_.empty()) finish_close();
            return;
        }
        if (!queue_.empty()) write_next();
    }

    void close(websocket::close_code code) {
        if (closing_) return;
        closing_ = true;
        close_code_ = code;
        // What is queued goes out first; batches no longer come.
        if (queue_.empty()) finish_close();
    }

    void finish_close() {
        ws_.async_close(close_code_, [self = shared_from_this()](beast::error_code) {
            self->leave();
        });
    }

    void leave() {
        if (joined_) context_.hub.leave(this);
        joined_ = false;
        closing_ = true;
    }

    websocket::stream<beast::tcp_stream> ws_;
    Context &context_;
    std::unique_ptr<Place> place_;
    beast::flat_buffer in_;
    std::deque<Out> queue_;
    std::deque<std::pair<Clock::time_point, uint32_t>> drops_;  // batches lost, the last few seconds
    std::size_t queued_bytes_ = 0;
    Clock::time_point write_started_{};
    bool joined_ = false, closing_ = false;
    websocket::close_code close_code_ = websocket::close_code::normal;
};

class HttpSession : public std::enable_shared_from_this<HttpSession> {
  public:
    HttpSession(tcp::socket socket, Context &context, std::unique_ptr<Place> place)
        : stream_(std::move(socket)), context_(context), place_(std::move(place)) {}

    // Between requests the connection only holds its place: it waits for
    // the next request's first bytes, and may be put out for a newcomer
    // when every place is taken.
    void wait_for_request() {
        if (buffer_.size() > 0) return read_request();  // the next one came with the last
        stream_.expires_after(limits::idle_time);
        // The place is the session's own: it cannot be put out after the session.
        place_->waiting([this] { stream_.cancel(); });
        stream_.async_read_some(buffer_.prepare(first_read),
                                [self = shared_from_this()](beast::error_code ec, std::size_t n) {
                                    self->place_->busy();
                                    // Closed, quiet too long, or put out for a newcomer.
                                    if (ec || !self->place_->counted()) return self->shut();
                                    self->buffer_.commit(n);
                                    self->read_request();
                                });
    }

  private:
    // From its first byte, a request has limits::request_time to come whole:
    // headers sent a byte a second do not hold a place for long.
    void read_request() {
        parser_.emplace();
        parser_->header_limit(limits::header_bytes);
        parser_->body_limit(limits::body_bytes);
        stream_.expires_after(limits::request_time);
        http::async_read(stream_, buffer_, *parser_,
                         [self = shared_from_this()](beast::error_code ec, std::size_t) {
                             self->on_read(ec);
                         });
    }

    void on_read(beast::error_code ec) {
        if (ec == http::error::end_of_stream || ec == beast::error::timeout) return shut();
        if (ec == http::error::header_limit) return refuse(http::status::request_header_fields_too_large, "the request's headers are too large");
        if (ec == http::error::body_limit) return refuse(http::status::payload_too_large, "the request's body is too large");
        if (ec) return refuse(http::status::bad_request, "a malformed request");
        Request request = parser_->release();
        if (websocket::is_upgrade(request) && path_of(request.target()) == "/ws") {
            stream_.expires_never();
            auto ws = std::make_shared<WebSocketSession>(stream_.release_socket(), context_, std::move(place_));
            return ws->start(std::move(request));
        }
        reply(answer(request, context_, place_->address()));
    }

    // Answers a request that could not be read, and closes.
    void refuse(http::status status, const char *why) { reply(error_response(status, 11, false, why)); }

    void reply(Response response) {
        response.prepare_payload();
        auto shared = std::make_shared<Response>(std::move(response));
        http::async_write(stream_, *shared,
                          [self = shared_from_this(), shared](beast::error_code ec, std::size_t) {
                              if (ec || !shared->keep_alive()) return self->shut();
                              self->wait_for_request();
                          });
    }

    void shut() {
        beast::error_code ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
    }

    beast::tcp_stream stream_;
    Context &context_;
    std::unique_ptr<Place> place_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
};

}  // namespace

void start_http_session(tcp::socket socket, Context &context, std::unique_ptr<Place> place) {
    std::make_shared<HttpSession>(std::move(socket), context, std::move(place))->wait_for_request();
}

}  // namespace radarctl::serve
