#include "ReportDescriptorReader.h"

ReportDescriptorReader::~ReportDescriptorReader() = default;
