# Typed at a terminal with echo off: an answer ended by Ctrl-D, Ctrl-D again, then one more line.
# The dialogue ends at the end of input, whichever reader met it, and never reads that line.
< "2\x04\x04" "1\n\x04"
> @start @top_menu @top_prompt @plane_quantities @prompt @invalid_inputs @farewell
