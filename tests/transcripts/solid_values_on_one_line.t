# Two values on one line after the first prompt: the second prompt is printed but does not wait.
< "3 1 2\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @curved_list @back @prompt
< "7 10\n"
> "\tLength of radius: " "\tLength of height: " @curved "440" "\n" @curved_list @back @prompt
< "0 0 exit\n"
> @solid_quantities @prompt @top_menu @top_prompt @farewell
