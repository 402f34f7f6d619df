#ifndef SHAPECALC_POLL_WATCH_HPP
#define SHAPECALC_POLL_WATCH_HPP

#include <poll.h>

namespace shapecalc {

// What poll is to watch on `fd`: the `events` asked for, and none answered yet (poll writes those
// before anything reads them).
inline pollfd watch(int fd, int events) {
    return {fd, static_cast<short>(events), 0};
}

}  // namespace shapecalc

#endif  // SHAPECALC_POLL_WATCH_HPP
