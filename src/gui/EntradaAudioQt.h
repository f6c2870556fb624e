#pragma once

#include <QAudioFormat>
#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "sound/EntradaAudio.h"

class QAudioSource;
class QIODevice;

namespace tessara {

// The sound card's input through Qt Multimedia: the system's input devices by their
// descriptions, captured in whatever format the device offers and turned into mono floats as
// they arrive on the event loop.
class EntradaAudioQt : public QObject, public EntradaAudio {
  Q_OBJECT

 public:
  explicit EntradaAudioQt(QObject* pai = nullptr);
  ~EntradaAudioQt() override;

  std::vector<std::string> listarDispositivos() override;
  Situacao abrir(const std::string& dispositivo) override;
  void fechar() override;
  Situacao situacao() const override;
  double taxa() const override { return taxa_; }
  void ler(std::vector<float>& destino) override;

  // Appends `bytes` of interleaved samples in `formato` to `destino`, as mono floats.
  static void converter(const QAudioFormat& formato, const char* bytes, qsizetype tamanho,
                        std::vector<float>& destino);

 private:
  void receber();

  std::unique_ptr<QAudioSource> fonte_;
  QIODevice* dispositivo_ = nullptr;
  QAudioFormat formato_;
  std::vector<float> recebidas_;
  double taxa_ = 0;
  Situacao situacao_ = Situacao::parada;
};

}  // namespace tessara
