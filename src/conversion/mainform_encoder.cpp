// The main window's one encoder, shared by the probe and the run.
#include "app/mainform.h"

#include "conversion/encoder.h"

void TMainForm::TerminateEncoder()
{
    Encoder->Terminate();
}
