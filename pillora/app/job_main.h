#pragma once
// One run of the drug-bag program for its command line, whole: the job log, the program's
// own options, the tools, and the job printed on the printer it names. See README.md for
// the command line. On Linux it is the entry of the job module, which the front
// (front_main.cpp) loads; on Windows main calls it.

// The exit status of the run.
extern "C" int pillora_job_main(int argc, char** argv);
