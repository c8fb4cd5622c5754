// Sendora recipient subject text
#include "sender/SendoraApp.h"

int main(int argc, char** argv) {
  Sendora::SendoraApp app;
  return app.InitInstance(argc, argv);
}
