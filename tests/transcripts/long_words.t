# Words longer than 49 characters are each one invalid word, never split into several answers:
# a 60-character word that ends in "exit" at the top menu, a 50-character word of 2s at the
# quantity menu.
< "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaexit\n"
> @start @top_menu @top_prompt @top_invalid
< "2\n22222222222222222222222222222222222222222222222222\n"
> @top_prompt @plane_quantities @prompt @invalid @prompt
< "0\nexit\n"
> @top_menu @top_prompt @farewell
