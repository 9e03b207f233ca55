#pragma once
// Contract checks for programmer's errors: a caller that broke a contract. The check always
// runs; the program reports the broken contract on standard error and goes on, test
// executables stop at once.
void PlatformContractBroken(const char* condition, const char* what, const char* file, int line);
// Called once by test executables: a broken contract, or a critical warning from one of the
// libraries the layer wraps, aborts.
void PlatformMakeContractsFatal();

#define RODEMIR_CHECK(condition, what) \
  ((condition) ? static_cast<void>(0) : PlatformContractBroken(#condition, what, __FILE__, __LINE__))
