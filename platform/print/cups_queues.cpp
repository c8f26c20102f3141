#include "platform/print/cups_queues.h"

#include <cups/cups.h>

#include <iostream>
#include <memory>

#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr int kConnectMilliseconds = 5000;

struct DestinationFree {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;

// An instance (lpoptions) is named after its queue: "queue/instance".
std::string instanceName(const std::string& name, const cups_dest_t& dest) {
  return dest.instance == nullptr ? name : name + "/" + dest.instance;
}

[[noreturn]] void fail(const std::string& queueName, const std::string& reason) {
  std::string message = "cannot print on " + queueName + ": " + reason;
  for (char& c : message) {
    if (c == '\n' || c == '\r') {
      c = ' ';
    }
  }
  std::cerr << "pillora: " << message << std::endl;
  throw PrinterError(message);
}

// The queue and, for an instance, its options from lpoptions.
struct JobTarget {
  std::string queue;
  Destination dest;
  int optionCount() const { return dest ? dest->num_options : 0; }
  cups_option_t* options() const { return dest ? dest->options : nullptr; }
};

JobTarget jobTargetOf(const std::string& queueName) {
  const std::size_t slash = queueName.find('/');
  JobTarget target{queueName.substr(0, slash), nullptr};
  if (slash != std::string::npos) {
    // When this lookup fails the job itself reports why (no queue, no server).
    target.dest.reset(cupsGetNamedDest(CUPS_HTTP_DEFAULT, target.queue.c_str(),
                                       queueName.substr(slash + 1).c_str()));
  }
  return target;
}

// Why CUPS refused: CUPS's own words tell little when the queue or the server is gone.
std::string failureReason(const std::string& queue) {
  std::string cupsReason = cupsLastErrorString();
  if (const Destination dest{cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr)}) {
    return cupsReason;
  }
  http_t* server = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                kConnectMilliseconds, nullptr);
  if (server == nullptr) {
    return std::string("the print server ") + cupsServer() + " does not answer";
  }
  httpClose(server);
  return "there is no such print queue";
}

bool sendDocument(const std::string& queue, int job, const std::string& title,
                  const std::string& document, const char* format) {
  return cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, title.c_str(), format, 1) ==
             HTTP_STATUS_CONTINUE &&
         cupsWriteRequestData(CUPS_HTTP_DEFAULT, document.data(), document.size()) ==
             HTTP_STATUS_CONTINUE &&
         cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) == IPP_STATUS_OK;
}

}  // namespace

std::vector<CupsQueue> cupsQueues() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::vector<CupsQueue> queues;
  for (int i = 0; i < count; ++i) {
    const cups_dest_t& dest = dests[i];
    const char* info = cupsGetOption("printer-info", dest.num_options, dest.options);
    const std::string description = (info != nullptr && *info != '\0') ? info : dest.name;
    queues.push_back(
        {{fromUtf8(instanceName(description, dest)), fromUtf8(instanceName(dest.name, dest))},
         dest.is_default != 0});
  }
  cupsFreeDests(count, dests);
  return queues;
}

void sendPdfToCups(const std::string& queueName, const std::string& title, const std::string& pdf) {
  sendDocumentToCups(queueName, title, pdf, CUPS_FORMAT_PDF);
}

void sendDocumentToCups(const std::string& queueName, const std::string& title,
                        const std::string& document, const char* format) {
  const JobTarget target = jobTargetOf(queueName);
  const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, target.queue.c_str(), title.c_str(),
                                target.optionCount(), target.options());
  if (job == 0) {
    fail(queueName, failureReason(target.queue));
  }
  if (!sendDocument(target.queue, job, title, document, format)) {
    const std::string reason = failureReason(target.queue);
    cupsCancelJob2(CUPS_HTTP_DEFAULT, target.queue.c_str(), job, 0);
    fail(queueName, reason);
  }
}

}  // namespace pillora
