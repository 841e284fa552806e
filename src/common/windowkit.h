#pragma once
// Window conventions shared by every program: Enter on the focused button or else the one
// default button, tab index and tab stop, windows without a control box, text boxes
// whose limit applies to typing only, a date-and-time status bar, and one instance per
// window class whose widgets are rebuilt on each showing. One header for all of them.

#include "form.h"
#include "formslot.h"
#include "menuitem.h"
#include "statusbar.h"
#include "taborder.h"
#include "textbox.h"
