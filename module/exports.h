#pragma once
// The module's outside face: the functions the host resolves by name after loading libRAR1.so.
#include <cstdint>

extern "C" {
// `context` refers to the host's pointer to its company context record (runtime/compdata.h).
void SetCompanyData(const std::uint8_t* const* context);
void ExitDLL();

void DoWagBK1();  void DoWagBK2();  void DoWagBK3();  void DoWagBK4();  void DoWagBK5();
void DoWagBK6();  void DoWagBK7();  void DoWagBK8();  void DoWagBK9();  void DoWagBK10();
void DoWagBK11(); void DoWagBK12(); void DoWagBK13(); void DoWagBK14(); void DoWagBK15();
void DoWagBK16(); void DoWagBK17(); void DoWagBK18(); void DoWagBK19(); void DoWagBK20();
void DoWagBK21(); void DoWagBK22(); void DoWagBK23(); void DoWagBK24(); void DoWagBK25();
void DoWagBK26(); void DoWagBK27(); void DoWagBK28();
}

// Signatures as the host resolves them.
using SetCompanyDataFn = void (*)(const std::uint8_t* const*);
using ModuleCallFn = void (*)();
