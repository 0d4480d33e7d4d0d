// Thrown by value when a file operation cannot do all it was asked: a short
// read or write, a failed seek, a size that cannot be read. It carries
// nothing; whoever catches it only needs to know that the file let it down.
#pragma once

class EzFileException {};
