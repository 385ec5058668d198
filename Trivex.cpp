// Trivex: starts the application, creates its windows and runs until the main
// window closes. A graph file named as the only argument is opened at start.
#include "Trivex.h"

#include "platform/Forms.h"
#include "platform/Preklad.h"
#include "windows/main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  NactiPrekladQt(app);
  Application->Initialize();
  CreateForms();
  if (argc == 2) OtevriPriStartu(argv[1]);
  Application->Run();
  Application->FreeForms();
  return 0;
}
