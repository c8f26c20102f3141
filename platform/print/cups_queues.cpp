#include "platform/print/cups_queues.h"

#include <memory>
#include <optional>
#include <string_view>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "platform/print/cups_library.h"

namespace pillora {

namespace {

constexpr int kConnectMilliseconds = 5000;

struct DestinationFree {
  const CupsLibrary* cups;
  void operator()(cups_dest_t* dest) const { cups->cupsFreeDests(1, dest); }
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
  throw PrinterError(message);
}

struct DestInfoFree {
  const CupsLibrary* cups;
  void operator()(cups_dinfo_t* info) const { cups->cupsFreeDestInfo(info); }
};
using DestInfo = std::unique_ptr<cups_dinfo_t, DestInfoFree>;

// "queue" or "queue/instance".
struct QueueName {
  std::string queue;
  std::optional<std::string> instance;
};

QueueName queueNameOf(const std::string& name) {
  const std::size_t slash = name.find('/');
  if (slash == std::string::npos) {
    return {name, std::nullopt};
  }
  return {name.substr(0, slash), name.substr(slash + 1)};
}

Destination destinationOf(const CupsLibrary& cups, const QueueName& name) {
  return {cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.queue.c_str(),
                                name.instance ? name.instance->c_str() : nullptr),
          DestinationFree{&cups}};
}

// The queue and, for an instance, its options from lpoptions.
struct JobTarget {
  std::string queue;
  Destination dest;
  int optionCount() const { return dest ? dest->num_options : 0; }
  cups_option_t* options() const { return dest ? dest->options : nullptr; }
};

JobTarget jobTargetOf(const CupsLibrary& cups, const std::string& queueName) {
  const QueueName name = queueNameOf(queueName);
  // When the instance's lookup fails the job itself reports why (no queue, no server).
  return {name.queue,
          name.instance ? destinationOf(cups, name) : Destination{nullptr, DestinationFree{&cups}}};
}

double pointsOf(int hundredthsOfMillimetre) {
  constexpr double kHundredthsOfMillimetrePerInch = 2540.0;
  constexpr double kPointsPerInch = 72.0;
  return hundredthsOfMillimetre / kHundredthsOfMillimetrePerInch * kPointsPerInch;
}

// Why CUPS refused: CUPS's own words tell little when the queue or the server is gone.
std::string failureReason(const CupsLibrary& cups, const std::string& queue) {
  std::string cupsReason = cups.cupsLastErrorString();
  if (const Destination dest = destinationOf(cups, {queue, std::nullopt})) {
    return cupsReason;
  }
  return silentCupsServer().value_or("there is no such print queue");
}

// A queue without a driver: CUPS hands what it is sent to the printer unchanged.
bool isRawQueue(const CupsLibrary& cups, const cups_dest_t& dest) {
  const char* model = cups.cupsGetOption("printer-make-and-model", dest.num_options, dest.options);
  return model != nullptr && std::string_view(model) == "Local Raw Printer";
}

bool sendDocument(const CupsLibrary& cups, const std::string& queue, int job,
                  const std::string& title, const std::string& document, const char* format) {
  return cups.cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, title.c_str(), format, 1) ==
             HTTP_STATUS_CONTINUE &&
         cups.cupsWriteRequestData(CUPS_HTTP_DEFAULT, document.data(), document.size()) ==
             HTTP_STATUS_CONTINUE &&
         cups.cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) == IPP_STATUS_OK;
}

}  // namespace

std::vector<CupsQueue> cupsQueues() {
  const CupsLibrary* cups = cupsLibrary();
  if (cups == nullptr) {
    return {};
  }
  cups_dest_t* dests = nullptr;
  const int count = cups->cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::vector<CupsQueue> queues;
  for (int i = 0; i < count; ++i) {
    const cups_dest_t& dest = dests[i];
    const char* info = cups->cupsGetOption("printer-info", dest.num_options, dest.options);
    const std::string description = (info != nullptr && *info != '\0') ? info : dest.name;
    queues.push_back(
        {{fromUtf8(instanceName(description, dest)), fromUtf8(instanceName(dest.name, dest)),
          dest.is_default != 0, isRawQueue(*cups, dest)}});
  }
  cups->cupsFreeDests(count, dests);
  return queues;
}

std::optional<std::string> silentCupsServer() {
  const CupsLibrary* cups = cupsLibrary();
  if (cups == nullptr) {
    return kNoCupsLibrary;
  }
  http_t* server = cups->httpConnect2(cups->cupsServer(), cups->ippPort(), nullptr, AF_UNSPEC,
                                      cups->cupsEncryption(), 1, kConnectMilliseconds, nullptr);
  if (server == nullptr) {
    return std::string("the print server ") + cups->cupsServer() + " does not answer";
  }
  cups->httpClose(server);
  return std::nullopt;
}

Margins cupsA4Margins(const std::string& queueName) {
  const CupsLibrary* cups = cupsLibrary();
  if (cups == nullptr) {
    return {};
  }
  const Destination dest = destinationOf(*cups, queueNameOf(queueName));
  if (!dest) {
    return {};
  }
  const DestInfo info{cups->cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()), DestInfoFree{cups}};
  cups_size_t a4{};
  if (!info || cups->cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest.get(), info.get(),
                                            CUPS_MEDIA_A4, CUPS_MEDIA_FLAGS_DEFAULT, &a4) == 0) {
    return {};
  }
  return {pointsOf(a4.left), pointsOf(a4.top), pointsOf(a4.right)};
}

void sendPdfToCups(const std::string& queueName, const std::string& title, const std::string& pdf) {
  sendDocumentToCups(queueName, title, pdf, CUPS_FORMAT_PDF);
}

void sendDocumentToCups(const std::string& queueName, const std::string& title,
                        const std::string& document, const char* format) {
  const CupsLibrary* cups = cupsLibrary();
  if (cups == nullptr) {
    fail(queueName, kNoCupsLibrary);
  }
  const JobTarget target = jobTargetOf(*cups, queueName);
  const int job = cups->cupsCreateJob(CUPS_HTTP_DEFAULT, target.queue.c_str(), title.c_str(),
                                      target.optionCount(), target.options());
  if (job == 0) {
    fail(queueName, failureReason(*cups, target.queue));
  }
  if (!sendDocument(*cups, target.queue, job, title, document, format)) {
    const std::string reason = failureReason(*cups, target.queue);
    cups->cupsCancelJob2(CUPS_HTTP_DEFAULT, target.queue.c_str(), job, 0);
    fail(queueName, reason);
  }
  currentRun().add("cups-job", fromUtf8(target.queue + "-" + std::to_string(job)));
}

}  // namespace pillora
