#include "EntradaAudioQt.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>
#include <cstring>

#include "qt/TextoQt.h"

namespace tessara {

namespace {

// What is not read within this long is dropped: a window that stalls does not pile up sound.
constexpr double SEGUNDOS_GUARDADOS = 2.0;

template <typename T>
T lerAmostra(const char* bytes) {
  T valor;
  std::memcpy(&valor, bytes, sizeof(T));
  return valor;
}

float amostra(QAudioFormat::SampleFormat formato, const char* bytes) {
  switch (formato) {
    case QAudioFormat::UInt8:
      return (static_cast<float>(lerAmostra<quint8>(bytes)) - 128.0f) / 128.0f;
    case QAudioFormat::Int16: return static_cast<float>(lerAmostra<qint16>(bytes)) / 32768.0f;
    case QAudioFormat::Int32:
      return static_cast<float>(static_cast<double>(lerAmostra<qint32>(bytes)) / 2147483648.0);
    case QAudioFormat::Float: return lerAmostra<float>(bytes);
    default: return 0.0f;
  }
}

// The device of that description; the default one for an empty name.
QAudioDevice procurar(const std::string& nome) {
  if (nome.empty()) return QMediaDevices::defaultAudioInput();
  for (const QAudioDevice& dispositivo : QMediaDevices::audioInputs()) {
    if (core(dispositivo.description()) == nome) return dispositivo;
  }
  return {};
}

}  // namespace

EntradaAudioQt::EntradaAudioQt(QObject* pai) : QObject(pai) {}

EntradaAudioQt::~EntradaAudioQt() { fechar(); }

std::vector<std::string> EntradaAudioQt::listarDispositivos() {
  std::vector<std::string> nomes;
  for (const QAudioDevice& dispositivo : QMediaDevices::audioInputs()) {
    nomes.push_back(core(dispositivo.description()));
  }
  return nomes;
}

EntradaAudio::Situacao EntradaAudioQt::abrir(const std::string& dispositivo) {
  fechar();
  const QAudioDevice escolhido = procurar(dispositivo);
  if (escolhido.isNull()) return situacao_ = Situacao::semDispositivo;
  // Mono floats when the device takes them; otherwise its own format, converted here.
  QAudioFormat formato = escolhido.preferredFormat();
  formato.setChannelCount(1);
  formato.setSampleFormat(QAudioFormat::Float);
  if (!escolhido.isFormatSupported(formato)) formato = escolhido.preferredFormat();
  formato_ = formato;
  taxa_ = formato.sampleRate();
  fonte_ = std::make_unique<QAudioSource>(escolhido, formato);
  dispositivo_ = fonte_->start();
  if (dispositivo_ == nullptr || fonte_->error() != QAudio::NoError) {
    const bool aberta = fonte_->error() != QAudio::OpenError;
    fechar();
    // Qt tells a device that would not open (held by another program or refused) from one
    // that broke.
    return situacao_ = aberta ? Situacao::falhou : Situacao::ocupada;
  }
  connect(dispositivo_, &QIODevice::readyRead, this, [this] { receber(); });
  return situacao_ = Situacao::captando;
}

void EntradaAudioQt::fechar() {
  if (fonte_) {
    fonte_->stop();
    fonte_.reset();
  }
  dispositivo_ = nullptr;
  recebidas_.clear();
  situacao_ = Situacao::parada;
}

EntradaAudio::Situacao EntradaAudioQt::situacao() const {
  if (fonte_ && situacao_ == Situacao::captando) {
    const QAudio::Error erro = fonte_->error();
    if (erro == QAudio::OpenError) return Situacao::ocupada;
    if (erro == QAudio::FatalError || erro == QAudio::IOError) return Situacao::falhou;
  }
  return situacao_;
}

void EntradaAudioQt::receber() {
  if (dispositivo_ == nullptr) return;
  const QByteArray bytes = dispositivo_->readAll();
  converter(formato_, bytes.constData(), bytes.size(), recebidas_);
  const auto limite = static_cast<size_t>(SEGUNDOS_GUARDADOS * taxa_);
  if (recebidas_.size() > limite) {
    recebidas_.erase(recebidas_.begin(),
                     recebidas_.begin() + static_cast<std::ptrdiff_t>(recebidas_.size() - limite));
  }
}

void EntradaAudioQt::ler(std::vector<float>& destino) {
  receber();
  destino.insert(destino.end(), recebidas_.begin(), recebidas_.end());
  recebidas_.clear();
}

void EntradaAudioQt::converter(const QAudioFormat& formato, const char* bytes, qsizetype tamanho,
                               std::vector<float>& destino) {
  const int canais = formato.channelCount();
  const int largura = formato.bytesPerSample();
  if (canais <= 0 || largura <= 0) return;
  const qsizetype quadro = static_cast<qsizetype>(canais) * largura;
  for (qsizetype inicio = 0; inicio + quadro <= tamanho; inicio += quadro) {
    float soma = 0;
    for (int c = 0; c < canais; ++c) {
      soma += amostra(formato.sampleFormat(), bytes + inicio + c * largura);
    }
    destino.push_back(soma / static_cast<float>(canais));
  }
}

}  // namespace tessara
