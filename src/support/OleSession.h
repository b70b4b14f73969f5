#pragma once
#include <ole2.h>

namespace brivane {

// OLE on the calling thread for the holder's life: an apartment thread, as Explorer's window threads
// are, so that the shell's data objects, drag and drop and dialogs work as they do there.
class OleSession {
 public:
  OleSession() : hr_(OleInitialize(nullptr)) {}
  ~OleSession() {
    if (SUCCEEDED(hr_)) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  HRESULT result() const { return hr_; }

 private:
  HRESULT hr_;
};

}  // namespace brivane
