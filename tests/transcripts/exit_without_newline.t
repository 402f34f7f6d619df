# A last word ended by the end of input is still read whole: no invalid-inputs message.
< "exit"
> @start @top_menu @top_prompt
< @end_of_input
> @farewell
