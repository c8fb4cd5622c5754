#pragma once
// The one place where the application names the view class of each
// template. Placeholders stand in for the graph and the program view until
// they land: swap them here.
#include "document/gui/DocTemplates.h"

namespace PardeloStravon {

TheAppIMFC::ViewClasses ApplicationViewClasses();

}  // namespace PardeloStravon
