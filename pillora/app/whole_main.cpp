// The drug-bag program as one executable (Windows): one run prints one job.
#include "pillora/app/job_main.h"

int main(int argc, char** argv) {
  return pillora_job_main(argc, argv);
}
