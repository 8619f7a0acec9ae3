// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Recording a choice in a PostgreSQL history far away: the writer's connection goes through
// a proxy on this machine that holds every chunk back DELAY_MS in each direction (a round
// trip of twice that, as to a school's server over a slow link), against the same server
// reached directly, in the same run. The figure is the median time from handing a choice
// to the writer to its being in the database; a link keeps up with a choice a second when
// it is well under a second.
//
//   usage: pikora_slow_link_bench POSTGRESQL-URL [RUNS] [DELAY_MS]
//   prints: result slow_link_ms <median through the proxy> <median direct> ms
#include "Measure.h"
#include "platform/HistoryDatabase.h"
#include "platform/HistoryWriter.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>

namespace pikora {
namespace {

using bench::median;
using bench::msSince;

// Copies one direction of a connection, each chunk `delay` late.
void pump(int from, int to, std::chrono::milliseconds delay)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        std::this_thread::sleep_for(delay);
        for (ssize_t done = 0; done < got;) {
            const ssize_t wrote = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
            if (wrote <= 0) {
                ::shutdown(from, SHUT_RDWR);
                return;
            }
            done += wrote;
        }
    }
    ::shutdown(to, SHUT_WR);
}

// A TCP proxy on 127.0.0.1 to `upstreamPort`, delaying both directions; it serves until the
// program ends.
int startProxy(int upstreamPort, std::chrono::milliseconds delay)
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(listener, 16) != 0
        || ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::perror("slow link bench: proxy");
        std::exit(1);
    }
    std::thread([listener, upstreamPort, delay] {
        for (;;) {
            const int client = ::accept(listener, nullptr, nullptr);
            if (client < 0) {
                continue;
            }
            const int server = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in to {};
            to.sin_family = AF_INET;
            to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            to.sin_port = htons(static_cast<std::uint16_t>(upstreamPort));
            if (::connect(server, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
                ::close(client);
                ::close(server);
                continue;
            }
            std::thread(pump, client, server, delay).detach();
            std::thread(pump, server, client, delay).detach();
        }
    }).detach();
    return ntohs(address.sin_port);
}

ChoiceRow choice(int i)
{
    ChoiceRow row;
    row.playedAt = "2026-03-05T10:00:00+01:00";
    row.roundStartedAt = row.playedAt;
    row.gameStartedAt = row.playedAt;
    row.word = i % 2 == 0 ? "CAT" : "DOG";
    row.chosen = "CAT";
    row.correct = row.word == row.chosen;
    row.responseMs = 700 + i;
    row.mode = "picture";
    row.choices = 4;
    row.firstOfGame = i == 0;
    return row;
}

// Median ms from write() to the row being written, over `runs` choices of one game.
double perChoiceMs(const HistoryLocation& location, int runs)
{
    std::vector<std::string> lines;
    HistoryWriter writer(
        location, "bench", "pc", [&lines](const std::string& line) { lines.push_back(line); });
    writer.write(choice(0)); // connecting and the schema are not the figure
    writer.flush();
    std::vector<double> ms;
    for (int i = 1; i <= runs; ++i) {
        const auto start = bench::Clock::now();
        writer.write(choice(i));
        writer.flush();
        ms.push_back(msSince(start));
    }
    if (!lines.empty()) {
        std::fprintf(stderr, "slow link bench: %s\n", lines.front().c_str());
        std::exit(1);
    }
    return median(ms);
}

} // namespace
} // namespace pikora

int main(int argc, char** argv)
{
    using namespace pikora;
    QCoreApplication application(argc, argv); // Qt SQL loads its drivers through it
    if (argc < 2) {
        std::fprintf(stderr, "usage: pikora_slow_link_bench POSTGRESQL-URL [RUNS] [DELAY_MS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 20;
    const std::chrono::milliseconds delay(argc > 3 ? std::atoi(argv[3]) : 25);
    std::string error;
    auto direct = parsePostgresUrl(argv[1], error);
    if (!direct) {
        std::fprintf(stderr, "slow link bench: %s\n", error.c_str());
        return 2;
    }
    {
        history::Connection connection(*direct, false);
        for (const char* table :
            { "choices", "games", "word_days", "confusion_days", "pikora_schema" }) {
            connection.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table));
        }
    }
    HistoryLocation far = *direct;
    far.host = "127.0.0.1";
    far.port = startProxy(direct->port, delay);
    const double directMs = perChoiceMs(*direct, runs);
    const double farMs = perChoiceMs(far, runs);
    std::printf("result slow_link_ms %.2f %.2f ms\n", farMs, directMs);
    return 0;
}
