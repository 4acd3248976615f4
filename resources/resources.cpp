// The resource data is linked through this library; it has no code of its own.
