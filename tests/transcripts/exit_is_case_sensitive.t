# Exit and EXIT are invalid words; after an invalid word only the prompt comes back.
< "Exit\n"
> @start @top_menu @top_prompt @top_invalid
< "EXIT\n"
> @top_prompt @top_invalid
< "exit\n"
> @top_prompt @farewell
