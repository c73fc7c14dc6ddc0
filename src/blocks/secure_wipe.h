// Overwrites bytes that held a user's secret before their memory is given
// back; writes through a volatile pointer, so the compiler cannot drop them
// as stores to memory that is about to die.
#pragma once

#include <cstddef>

void SecureWipe(void* data, size_t size);
