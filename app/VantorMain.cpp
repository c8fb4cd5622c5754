// The monitor program.
#include "app/TheApp.h"

wxIMPLEMENT_APP(PardeloStravon::TheApp);
