// The framework's own command ids, which programs put into their menus.
#pragma once

#define ID_APP_EXIT             57665
#define ID_HELP                 57670
