// Every modal dialog of the program runs through RunModal, so that a test can
// answer it without an event loop of its own.
#pragma once

#include <functional>

class QDialog;

namespace verbal::shell {

// Runs |dialog| modally; returns its result (QDialog::Accepted or Rejected,
// or the clicked button's code for a message box).
int RunModal(QDialog& dialog);

// Replaces the modal run; the hook receives the dialog, fully built, and
// returns what exec() would have. Give an empty function to restore exec().
using ModalHook = std::function<int(QDialog&)>;
void SetModalHook(ModalHook hook);

}  // namespace verbal::shell
