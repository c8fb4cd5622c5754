// Sendora recipient subject text
#include <fcntl.h>
#include <unistd.h>

#include "sender/SendoraApp.h"

int main(int argc, char** argv) {
  // A closed standard stream would make the message pipe take its number and
  // the submission program read or write the wrong file.
  for (int fd = 0; fd <= 2; ++fd)
    if (fcntl(fd, F_GETFD) == -1) open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
  Sendora::SendoraApp app;
  return app.InitInstance(argc, argv);
}
