#pragma once
// The one place where the application names the view class of each
// template. Placeholders stand in until the real views land: swap them here.
#include "document/gui/DocTemplates.h"

namespace PardeloStravon {

TheAppIMFC::ViewClasses ApplicationViewClasses();

}  // namespace PardeloStravon
