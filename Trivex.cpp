// Trivex: starts the application, creates its windows and runs until the main
// window closes.
#include "Trivex.h"

#include "platform/Forms.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Application->Initialize();
  CreateForms();
  Application->Run();
  Application->FreeForms();
  return 0;
}
