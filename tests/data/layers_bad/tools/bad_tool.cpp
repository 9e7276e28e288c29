// A tool that reaches for the program's shell: the layer check must fail on it.
#include "app/main_form.h"
#include "editor/project.h"
