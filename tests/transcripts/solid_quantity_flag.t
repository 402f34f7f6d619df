# An invalid quantity word, then 2, then 0 at the total-surface menu: the quantity prompt comes
# without its menu. The same path with one calculation before the 0 brings the menu back.
< "3 4\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @invalid @prompt
< "2 0\n"
> @total_list @back @prompt @prompt
< "1.0\n"
> @invalid @prompt
< "2 1 3 0\n"
> @total_list @back @prompt "\tLength of side: " @total "54" "\n" @total_list @back @prompt
> @solid_quantities @prompt
< "0\n"
> @top_menu @top_prompt
< "exit\n"
> @farewell
