#pragma once
// What the application owns from start-up to exit: the document templates
// first, the graphics start-up second (and gone in the reverse order).
#include "app/GdipInitializer.h"
#include "document/gui/DocTemplates.h"
#include "foundation/core/ImmPtr.h"

class wxDocManager;

namespace PardeloStravon {

class TheApp;

class TheAppIGph {
 public:
  // Throws "!m_GDIpInitializer.IsInitialized()" when this copy did not start it.
  TheAppIGph();
  ~TheAppIGph();
  GdipInitializer m_GDIpInitializer{false};
};

class TheAppF {
 public:
  // The toolkit's document manager owns and deletes the templates.
  TheAppF(TheApp* app, wxDocManager* manager, const TheAppIMFC::ViewClasses& views);
  ~TheAppF();
  TheAppF(const TheAppF&) = delete;
  TheAppF& operator=(const TheAppF&) = delete;

  ImmScoped<TheAppIMFC>& IMFC() { return pIMFC_; }

  TheApp* pApp_;
  ImmScoped<TheAppIMFC> pIMFC_;
  ImmScoped<TheAppIGph> pIGph_;
};

}  // namespace PardeloStravon
