# End of input at the solid quantity menu's word read ends the run too.
< "3 1 0\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @curved_list @back @prompt
> @solid_quantities @prompt
< @end_of_input
> @invalid_inputs @farewell
