# Radii 3 and 4 with height 5: the slant height passed on is sqrt(1 + 25) = sqrt(26), giving
# 112.178 and 190.75 (passing the height itself would print 110 and 188.571).
< "3 1 4 3 4 5\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @curved_list @back @prompt
> "\tLength of 1st radius: " "\tLength of 2nd radius: " "\tLength of height: " @curved "112.178" "\n"
> @curved_list @back @prompt
< "0 2 5 4 3 5\n"
> @solid_quantities @prompt @total_list @back @prompt
> "\tLength of 1st radius: " "\tLength of 2nd radius: " "\tLength of height: " @total "190.75" "\n"
> @total_list @back @prompt
< "0 0 exit\n"
> @solid_quantities @prompt @top_menu @top_prompt @farewell
