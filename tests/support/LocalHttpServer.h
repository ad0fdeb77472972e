// SPDX-License-Identifier: MIT
#pragma once

#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace mensurio::test {

/// A web server on 127.0.0.1 for the download tests, so that no test reaches another machine:
/// it answers every request with one prepared response (possibly cut short), or accepts the
/// connection and never answers. It stops with the object.
class LocalHttpServer {
  public:
    struct Response {
        std::string head; // status line and headers, without the blank line
        std::string body;
        std::size_t sent = std::string::npos; // bytes of the body sent before the connection closes
        bool silent = false;                  // accept, read the request, answer nothing
    };

    static Response Ok(const std::string &body, const std::string &type = "text/xml") {
        return {"HTTP/1.1 200 OK\r\nContent-Type: " + type +
                    "\r\nContent-Length: " + std::to_string(body.size()),
                body};
    }
    static Response Status(int code, const std::string &reason) {
        const std::string body = "<html><body>" + reason + "</body></html>";
        return {"HTTP/1.1 " + std::to_string(code) + " " + reason +
                    "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()),
                body};
    }
    static Response Truncated(const std::string &body, std::size_t sent) {
        Response response = Ok(body);
        response.sent = sent;
        return response;
    }
    static Response Silent() {
        Response response;
        response.silent = true;
        return response;
    }

    explicit LocalHttpServer(Response response) : m_response(std::move(response)) {
        m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), size) != 0 ||
            ::listen(m_socket, 8) != 0 ||
            ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &size) != 0)
            std::abort();
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~LocalHttpServer() {
        m_stop = true;
        m_thread.join();
        for (const int fd : m_held)
            ::close(fd);
        ::close(m_socket);
    }
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    std::string Url(const std::string &path = "/stats/eurofxref/eurofxref-daily.xml") const {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }
    int Requests() const { return m_requests; }

  private:
    void serve() {
        while (!m_stop) {
            pollfd ready{m_socket, POLLIN, 0};
            if (::poll(&ready, 1, 50) <= 0)
                continue;
            const int client = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            readRequest(client);
            ++m_requests;
            if (m_response.silent) {
                m_held.push_back(client); // closed when the server stops
                continue;
            }
            const std::string body = m_response.body.substr(0, m_response.sent);
            const std::string answer = m_response.head + "\r\nConnection: close\r\n\r\n" + body;
            for (std::size_t done = 0; done < answer.size();) {
                const ssize_t n = ::send(client, answer.data() + done, answer.size() - done, MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                done += static_cast<std::size_t>(n);
            }
            ::close(client);
        }
    }

    // Up to the blank line that ends the request's headers, for at most two seconds.
    static void readRequest(int client) {
        std::string request;
        char buffer[2048];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
            pollfd ready{client, POLLIN, 0};
            if (::poll(&ready, 1, 2000) <= 0)
                return;
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                return;
            request.append(buffer, static_cast<std::size_t>(n));
        }
    }

    Response m_response;
    int m_socket = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::vector<int> m_held;
    std::thread m_thread;
};

} // namespace mensurio::test
