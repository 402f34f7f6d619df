#ifndef SHAPECALC_CONSOLE_HPP
#define SHAPECALC_CONSOLE_HPP

namespace shapecalc {

// Waits for one key press on the console, without echo and without waiting for Enter, and
// discards it. The key comes from the controlling terminal, never from a redirected standard
// input, and is consumed whole (an escape sequence, a UTF-8 character, an extended key); input
// pending when the wait begins is discarded. It returns at once where nobody could answer or see
// the prompt: no console (CI, cron), standard output not a terminal, or a background job; where
// the wait cannot be set up (no descriptors left), it only moves the cursor to a new line. The
// terminal's settings are restored before it returns, and before a signal stops (once, however
// many came) or ends the program during the wait; a hang-up ends the wait. Continued in the
// foreground, it sets its mode again; in the background, it stops again until it is brought back.
void wait_for_key();

}  // namespace shapecalc

#endif  // SHAPECALC_CONSOLE_HPP
