// Checked preconditions and postconditions of the hull algorithms.
//
// HULL_PRECONDITION(condition) and HULL_POSTCONDITION(condition) state what a
// function expects of its caller and what it promises in return. In a build
// with HULL_CHECK_CONTRACTS defined (the sanitizer build) a condition that
// does not hold stops the program with a message naming it, its file and
// line; in every other build the condition is not even evaluated, so the
// checks cost nothing in release.
#pragma once

[[noreturn]] void contract_failed(const char* kind, const char* condition, const char* file, int line);

#ifdef HULL_CHECK_CONTRACTS
#define HULL_CONTRACT_CHECK(kind, condition) \
    ((condition) ? static_cast<void>(0) : contract_failed(kind, #condition, __FILE__, __LINE__))
#else
#define HULL_CONTRACT_CHECK(kind, condition) static_cast<void>(0)
#endif

#define HULL_PRECONDITION(condition) HULL_CONTRACT_CHECK("precondition", condition)
#define HULL_POSTCONDITION(condition) HULL_CONTRACT_CHECK("postcondition", condition)
