// Vaultkeep: the desktop program.
#include "gui/app/password_app.h"

wxIMPLEMENT_APP(vk::CPasswordApp);
