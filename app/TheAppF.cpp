#include "app/TheAppF.h"

#include "foundation/core/Assert.h"

namespace PardeloStravon {

TheAppIGph::TheAppIGph() {
  // A start that failed holds nothing, so that a later start can try again.
  if (!m_GDIpInitializer.Initialize()) m_GDIpInitializer.Deinitialize();
  ASSERT_THROW(m_GDIpInitializer.IsInitialized(), L"!m_GDIpInitializer.IsInitialized()");
}

TheAppIGph::~TheAppIGph() { m_GDIpInitializer.Deinitialize(); }

TheAppF::TheAppF(TheApp* app, wxDocManager* manager, const TheAppIMFC::ViewClasses& views) : pApp_(app) {
  pIMFC_.reset();
  pIMFC_.reset(new TheAppIMFC(manager, views));
  try {
    pIGph_.reset();
    pIGph_.reset(new TheAppIGph);
  } catch (...) {
    pIMFC_.reset();
    SetTheTemplates(nullptr);
    throw;
  }
}

TheAppF::~TheAppF() {
  pIGph_.reset();
  pIMFC_.reset();
  SetTheTemplates(nullptr);
}

}  // namespace PardeloStravon
