// Wiping of secret bytes.
#include "blocks/secure_wipe.h"

void SecureWipe(void* data, size_t size) {
    volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
        p[i] = 0;
}
