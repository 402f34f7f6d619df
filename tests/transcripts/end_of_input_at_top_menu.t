# End of input where a menu word is expected ends the run, with no invalid-choice message.
< "   \n\t\n"
> @start @top_menu @top_prompt
< @end_of_input
> @invalid_inputs @farewell
