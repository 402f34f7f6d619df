# A letter at the sphere's radius: no result line, the volume list, and the next figure read
# fails.
< "3 3 6 r\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @volume_list @back @prompt
> "\tLength of radius: " @volume_list @back @prompt @invalid_inputs @farewell
