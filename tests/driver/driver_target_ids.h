// The controls, texts and exit codes of driver_target.exe, shared with the
// driver's tests.
#pragma once

const char kTargetCaption[] = "Driver Target";
const char kTargetQuestion[] = "Proceed with the test?";

const int kTargetEditId = 10;
const int kTargetCheckId = 11;
const int kTargetDisabledId = 12;
const int kTargetHiddenId = 13;
const int kTargetAskId = 14;

const int kTargetEndedByCancel = 2;
const int kTargetEndedByCloseBox = 3;
const int kTargetEndedByDisabledButton = 12;
