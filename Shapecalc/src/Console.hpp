#ifndef SHAPECALC_CONSOLE_HPP
#define SHAPECALC_CONSOLE_HPP

namespace shapecalc {

// Waits for one key press on the console, without echo and without waiting for Enter, and
// discards it. The key comes from the controlling terminal, never from a redirected standard
// input. Where there is no console (a pipe with no controlling terminal, CI, cron) it returns at
// once. The terminal's settings are restored before it returns.
void wait_for_key();

}  // namespace shapecalc

#endif  // SHAPECALC_CONSOLE_HPP
