#pragma once
// The application's one page setup: File Print Setup changes it, every
// printout (tables and graph) takes its paper and margins from it.
class wxPageSetupDialogData;

namespace Platform {

wxPageSetupDialogData& PageSetupData();

}  // namespace Platform
